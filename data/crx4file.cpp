#include "data/crx4file.h"

CRX4FILE::~CRX4FILE() {
    RX4CloseFile();
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
