#include "pages/page_exchanges.h"

int WriteAllFields(EcuSession& session, const PageModel& model, PageHooks& hooks) {
    return WritePendingRegisters(session, "FULL", TimingFor(model.Protocol().writeAll), hooks);
}

int WriteOneField(EcuSession& session, const PageModel& model, const std::string& key,
                  PageHooks& hooks) {
    const PageProtocol protocol = model.Protocol();
    const int result =
        WritePendingRegisters(session, key.c_str(), TimingFor(protocol.writeField), hooks);
    if (protocol.fieldReadIntoFileStore)
        ReadRegisters(session, key.c_str(), session.fileStore, TimingFor(protocol.read), hooks);
    return result;
}
