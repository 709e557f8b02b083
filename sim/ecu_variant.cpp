#include "sim/ecu_variant.h"

uint32_t LineBaudRate(EcuVariant variant) {
    return variant == EcuVariant::Q5100 ? 9600 : 38400;
}

size_t FrameLength(EcuVariant variant) {
    return variant == EcuVariant::Q5100 ? 2 : 3;
}

std::optional<EcuVariant> VariantFromName(const std::string& name) {
    if (name == "q7100")
        return EcuVariant::Q7100;
    if (name == "q5100")
        return EcuVariant::Q5100;
    if (name == "q5100plus")
        return EcuVariant::Q5100Plus;
    return std::nullopt;
}

std::string VariantName(EcuVariant variant) {
    switch (variant) {
        case EcuVariant::Q7100:
            return "q7100";
        case EcuVariant::Q5100:
            return "q5100";
        case EcuVariant::Q5100Plus:
            return "q5100plus";
    }
    return "q7100";
}
