#pragma once
// Equipment configuration files (*.Q5100, *.Q7100): the file side of the
// pages' Save and Load commands, without dialogs or messages.
//
// Layout (private-profile text): section "Q5100" (or "Q7100") with the nine
// customer keys, then section "CONFIG_Q5100" (or "CONFIG_Q7100") with one
// line per register: "10=5", "2B=FF".

#include <array>
#include <cstddef>
#include <string>

#include "data/crx4data.h"

// The customer data page's nine texts (UTF-8).
struct CustomerData {
    std::string customer;
    std::string installationDate;
    std::string vehicleMake;
    std::string vehicleModel;
    std::string manufactureYear;
    std::string licencePlate;
    std::string reducerModel;
    std::string mixerModel;
    std::string remarks;  // one line in the file
};

// One customer text: its key in the file and its capacity in characters.
struct CustomerField {
    const char* key;
    std::size_t capacity;
    std::string CustomerData::*text;
};

// The nine fields in the order they are written.
const std::array<CustomerField, 9>& CustomerFields();

// Writes the customer section `fileType` ("Q5100" or "Q7100"), each text cut
// to its capacity and the remarks with every CR and LF replaced by "-", then
// the register section from `fileStore` with model text `registerModelText`.
// Other lines of an existing file are kept. The whole new text is built
// first and replaces the file at once; false when that fails, and then the
// file is as it was (no file at all when there was none).
bool WriteConfigurationFile(const char* path, const char* fileType, const char* registerModelText,
                            const CustomerData& customer, CRX4DATA& fileStore);

// Reads, into `fileStore`, every register it already holds from section
// "CONFIG_<fileType>": -1 when the file is missing, -2 when a register is
// missing (the ones read before it keep their new values), and `out` is then
// left alone. Otherwise reads the nine customer texts (a missing key gives an
// empty text), each cut to its capacity, and gives 0.
int ReadConfigurationFile(const char* path, const char* fileType, CRX4DATA& fileStore,
                          CustomerData* out);
