#include "data/config_file.h"

#include <algorithm>

#include "data/private_profile.h"
#include "data/utf8_text.h"

namespace {

std::string OneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\r', '-');
    std::replace(text.begin(), text.end(), '\n', '-');
    return text;
}

}  // namespace

const std::array<CustomerField, 9>& CustomerFields() {
    static const std::array<CustomerField, 9> fields = {{
        {"Clientes", 49, &CustomerData::customer},
        {"DataInstalacao", 29, &CustomerData::installationDate},
        {"Marca", 29, &CustomerData::vehicleMake},
        {"Modelo", 29, &CustomerData::vehicleModel},
        {"AnoFabricacao", 29, &CustomerData::manufactureYear},
        {"Placa", 29, &CustomerData::licencePlate},
        {"ModeloRedutor", 29, &CustomerData::reducerModel},
        {"ModeloMisturador", 29, &CustomerData::mixerModel},
        {"ObservacoesGerais", 298, &CustomerData::remarks},
    }};
    return fields;
}

bool WriteConfigurationFile(const char* path, const char* fileType, const char* registerModelText,
                            const CustomerData& customer, CRX4DATA& fileStore) {
    PrivateProfile profile;
    if (FileExists(path) && !profile.Load(path)) {
        return false;
    }
    for (const CustomerField& field : CustomerFields()) {
        const std::string text = OneLine(Utf8Left(customer.*field.text, field.capacity));
        profile.SetValue(fileType, field.key, text.c_str());
    }
    fileStore.WriteConfigINI(profile, registerModelText);
    // One replace for both sections: the file on disk is either the old one
    // or the complete new one.
    return profile.Save(path);
}

int ReadConfigurationFile(const char* path, const char* fileType, CRX4DATA& fileStore,
                          CustomerData* out) {
    const int registers = fileStore.ReadConfigINI(path, fileType);
    if (registers < 0) {
        return registers;
    }
    PrivateProfile profile;
    profile.Load(path);
    for (const CustomerField& field : CustomerFields()) {
        std::string text;
        profile.Value(fileType, field.key, &text);
        // Every capacity is below the 500 characters the legacy reader took.
        out->*field.text = Utf8Left(text, field.capacity);
    }
    return 0;
}
