# Compile options shared by every target of our own: strict warnings as
# errors, and the optional sanitizer build.
if(ZANO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# ThreadSanitizer: the worker thread against the UI thread. It cannot share a
# process with AddressSanitizer, hence its own option and build folder.
if(ZANO_TSAN)
  if(ZANO_SANITIZE)
    message(FATAL_ERROR "ZANO_TSAN and ZANO_SANITIZE cannot be combined")
  endif()
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
endif()

# Fuzz builds instrument all our code for coverage, so the fuzzer sees into
# the parsers, not only into the small target files.
if(ZANO_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

function(zano_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Werror)
  target_compile_definitions(${target} PRIVATE QT_NO_KEYWORDS)
endfunction()

# zano_test(name SOURCES ... LIBS ...): one gtest executable, each test
# registered with CTest through gtest_discover_tests.
function(zano_test name)
  cmake_parse_arguments(ZT "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ZT_SOURCES})
  zano_defaults(${name})
  target_link_libraries(${name} PRIVATE ${ZT_LIBS} GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
