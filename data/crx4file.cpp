#include "data/crx4file.h"

namespace {

constexpr long kRecordBytes = 19;
constexpr std::size_t kTextBytes = 17;

}  // namespace

CRX4FILE::~CRX4FILE() {
    RX4CloseFile();
}

CRX4FILE_RESULT CRX4FILE::RX4OpenFile(const char* name) {
    RX4CloseFile();
    file_ = std::fopen(name, "wb");
    if (file_ == nullptr) {
        return FILE_FAILED;
    }
    open_ = true;
    return FILE_OK;
}

CRX4FILE_RESULT CRX4FILE::RX4AdoptFile(std::FILE* file) {
    RX4CloseFile();
    if (file == nullptr) {
        return FILE_FAILED;
    }
    file_ = file;
    open_ = true;
    return FILE_OK;
}

CRX4FILE_RESULT CRX4FILE::RX4CloseFile() {
    if (open_) {
        std::fclose(file_);
        file_ = nullptr;
        open_ = false;
    }
    return FILE_OK;
}

CRX4FILE_RESULT CRX4FILE::RX4ReadFile(std::string* destination, const char* name) {
    destination->clear();
    RX4CloseFile();
    file_ = std::fopen(name, "rb");
    if (file_ == nullptr) {
        return FILE_FAILED;
    }
    open_ = true;
    char record[kTextBytes];
    for (long k = 0;; ++k) {
        if (std::fseek(file_, kRecordBytes * k, SEEK_SET) != 0) {
            break;
        }
        const std::size_t read = std::fread(record, 1, kTextBytes, file_);
        destination->append(record, read);
        if (read < kTextBytes) {
            break;
        }
    }
    return FILE_OK;
}

CRX4FILE_RESULT CRX4FILE::RX4WriteFile(const char* /*text*/, uint32_t /*length*/) {
    return FILE_OK;
}
