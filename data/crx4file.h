#pragma once
// CRX4FILE: the small file class of the program. It writes the diagnostic
// dump (through the FILE* that CRX4DATA::Dump takes) and reads files laid out
// as 19-byte records: 17 bytes of text and a CR LF.

#include <cstdint>
#include <cstdio>
#include <string>

enum CRX4FILE_RESULT {
    FILE_OK = 0,
    FILE_FAILED = 1,
};

class CRX4FILE {
  public:
    CRX4FILE() = default;
    ~CRX4FILE();
    CRX4FILE(const CRX4FILE&) = delete;
    CRX4FILE& operator=(const CRX4FILE&) = delete;

    // Creates the file for writing, replacing an existing one.
    CRX4FILE_RESULT RX4OpenFile(const char* name);
    // Takes over a stream already open for writing (the dump's private
    // temporary file), closed by RX4CloseFile like one opened here. A file
    // open before is closed first; FILE_FAILED for a null stream.
    CRX4FILE_RESULT RX4AdoptFile(std::FILE* file);
    // Always FILE_OK; closing a closed file does nothing.
    CRX4FILE_RESULT RX4CloseFile();
    // Clears `destination`, then appends the 17 text bytes of each record up
    // to the first short read, which is appended as read. The file stays open
    // until RX4CloseFile (a file open before is closed first).
    CRX4FILE_RESULT RX4ReadFile(std::string* destination, const char* name);
    // Writing goes through Dump on Handle(); this does nothing.
    CRX4FILE_RESULT RX4WriteFile(const char* text, uint32_t length);

    std::FILE* Handle() const { return file_; }
    bool IsOpen() const { return open_; }

  private:
    std::FILE* file_ = nullptr;
    bool open_ = false;
};
