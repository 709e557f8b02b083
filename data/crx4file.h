#pragma once
// CRX4FILE: the small file class of the program. It holds the stream the
// diagnostic dump is written through (the FILE* that CRX4DATA::Dump takes).

#include <cstdio>

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

    // Takes over a stream already open for writing (the dump's private
    // temporary file), closed by RX4CloseFile. A file
    // open before is closed first; FILE_FAILED for a null stream.
    CRX4FILE_RESULT RX4AdoptFile(std::FILE* file);
    // Always FILE_OK; closing a closed file does nothing.
    CRX4FILE_RESULT RX4CloseFile();

    bool IsOpen() const { return open_; }

  private:
    std::FILE* file_ = nullptr;
    bool open_ = false;
};
