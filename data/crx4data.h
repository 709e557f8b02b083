#pragma once
// CRX4DATA: a fixed-capacity table of keyword/value entries, kept sorted for
// binary search and guarded by its own recursive lock. The program keeps the
// ECU registers in it: keyword "2B", value "FF" (hexadecimal text).

#include <cstdint>
#include <cstdio>
#include <functional>
#include <mutex>
#include <string>

class PrivateProfile;

#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ != __ORDER_LITTLE_ENDIAN__
#error "The entry order compares the index bytes as stored: little-endian only"
#endif

// One entry. The first twelve bytes (group, index, keyword) are the sort key
// and are compared byte by byte. The program's entries all have an empty group
// and index -1; both fields stay because the dump lines show them.
struct CKeywordData {
    char group[4];         // always empty
    int32_t index;         // always -1
    char keyword[4];       // up to 3 characters, zero-filled (longer keywords are cut)
    uint16_t size;         // number of value bytes
    unsigned char* value;  // owned, exactly size bytes, not terminated
};

enum CRX4DATA_RESULT {
    DATA_OK = 0,
    DATA_REPLACED = 1,
    DATA_INSERT_AT = 3,
    DATA_NO_KEYWORD = 4,
    DATA_NO_VALUE = 6,
    DATA_NOT_FOUND = 7,
};

// Receives the store's fatal errors before the program ends. The UI installs
// one that shows a stop box; the default writes "title: text" to stderr.
// Passing an empty function restores the default.
using FatalErrorHandler = std::function<void(const char* title, const char* text)>;
void SetFatalErrorHandler(FatalErrorHandler handler);

class CRX4DATA {
  public:
    static constexpr uint32_t kDefaultCapacity = 500;
    static constexpr std::size_t kKeyBytes = 12;  // group + index + keyword
    static constexpr std::size_t kMaxKeyLength = 257;

    // Capacity 500 and the program's fixed scrambling key.
    CRX4DATA();
    // Capacity `count` and an empty scrambling key.
    explicit CRX4DATA(uint32_t count);
    virtual ~CRX4DATA();

    // The entry array and its values are owned: copying would share them.
    CRX4DATA(const CRX4DATA&) = delete;
    // A merge, not a copy: every entry of `source` is added here as a plain
    // keyword with its value text; entries already here stay.
    CRX4DATA& operator=(const CRX4DATA& source);

    // Empties the store, keeping the array, and restores the fixed key.
    void Zeradora();

    uint32_t GetQtyUsed() const { return used_; }

    // DATA_OK when added, DATA_REPLACED when the key existed; 4 for an empty
    // keyword, 6 for no or empty value. The keyword is cut to 3 characters.
    // Stops the program (error 2) when the used count reaches the capacity.
    CRX4DATA_RESULT Add(const char* keyword, const char* value);

    // The value pointer points into the store: copy the bytes before the next
    // Add or Zeradora (or hold Lock while using them).
    CRX4DATA_RESULT Get(const char* keyword, uint16_t* size, unsigned char** value);

    // Copy the keyword of entry `position` into `text` (at least 4 bytes);
    // an empty text and DATA_NOT_FOUND past the used entries.
    CRX4DATA_RESULT GetParam(uint32_t position, char* text) const;

    // Appends one line per entry at the end of `file`:
    // "000003=|2B|-1|4|\r\n" (position=group|keyword|index|value|), each line
    // scrambled with Crypt when `scramble` is nonzero. Gives the bytes written.
    uint32_t Dump(std::FILE* file, int scramble);

    // Symmetric XOR scrambling with the store's key (nothing with an empty
    // key): scrambling the result again gives the original bytes back.
    void Crypt(unsigned char* bytes, uint32_t length) const;

    // Register section "CONFIG_<model>" of a configuration file, model
    // "Q5100" or "Q7100". Reading looks up only the keywords the store holds:
    // -1 missing file, -2 a keyword missing or empty (earlier ones are kept).
    int ReadConfigINI(const char* file, const char* model);
    // Writes the section into a profile held in memory, for a caller that
    // writes more than this section and replaces the file once; other models
    // write nothing.
    void WriteConfigINI(PrivateProfile& profile, const char* model);
    // One key of section "CONFIG_Q5100" / "CONFIG_Q7100": -1 missing file,
    // -2 missing or empty value; the value is added to the store too. Any
    // other section gives an empty text and 0.
    int ReadConfigINI(const char* file, const char* section, const char* keyword,
                      std::string* text);

    // Recursive: the owning thread may take it again. Lock polls with yields.
    void Lock() const;
    void UnLock() const;

    // Reports fatal error `code` (0-4) under the title "CRX4DATA ERROR" and
    // ends the process with status -1 through std::_Exit: static destructors
    // are skipped because a global store may still be locked by this or by
    // another thread and its destructor would wait for the lock forever.
    [[noreturn]] static void ShowErro(int code);

  private:
    void Inicializa();
    // A search key: the keyword cut to 3 characters and zero-filled.
    static CKeywordData MakeKey(const char* keyword);
    CRX4DATA_RESULT Add(CKeywordData entry);

    // Sorted: binary search, DATA_INSERT_AT with the position where the key
    // belongs. Unsorted: linear.
    CRX4DATA_RESULT FindValue(const CKeywordData& key, int32_t* position) const;

    void SortValues();
    void QuickSort(int32_t low, int32_t high);
    int32_t Partition(int32_t low, int32_t high);

    void FreeValues();
    void CopyFixedKey();

    uint32_t capacity_ = 0;
    uint32_t used_ = 0;
    CKeywordData* entries_ = nullptr;
    unsigned char sorted_ = 0;
    char key_[kMaxKeyLength + 1] = {};
    mutable std::recursive_mutex mutex_;
};

// Holds a store's lock for one scope.
class StoreLock {
  public:
    explicit StoreLock(const CRX4DATA& store) : store_(store) { store_.Lock(); }
    ~StoreLock() { store_.UnLock(); }
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;

  private:
    const CRX4DATA& store_;
};
