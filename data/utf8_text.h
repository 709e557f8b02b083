#pragma once
// The program's texts are UTF-8; fields and buffers are limited in characters
// (one byte each in the Windows-1252 files), so cuts must fall between
// characters, never inside one.

#include <cstddef>
#include <string>

// The first `maxCharacters` characters (code points) of `text`.
std::string Utf8Left(const std::string& text, std::size_t maxCharacters);

// The longest prefix of `text` (length `length` bytes) that fits in
// `maxBytes` bytes without splitting a character; gives its length in bytes.
std::size_t Utf8PrefixBytes(const char* text, std::size_t length, std::size_t maxBytes);
