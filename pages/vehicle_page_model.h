#pragma once
// The vehicle step's fields: engine (cylinders, coils, lambda probe, TPS type
// and hysteresis) and, on the Q7100, fuel switching (automatic return and its
// time, switching speed and direction). The basic page (Q5100, "Q5100 plus")
// has the engine fields only, with the same conversions.

#include "pages/page_model.h"

// What tells the two vehicle pages apart.
struct VehiclePageTable {
    std::vector<FieldDef> fields;
    std::vector<int> fillOrder;
    std::vector<int> writeOrder;
    PageProtocol protocol;
};

class VehiclePageModel : public PageModel {
  public:
    explicit VehiclePageModel(const VehiclePageTable& table) : table_(table) {}

    const std::vector<FieldDef>& Fields() const override { return table_.fields; }
    PageProtocol Protocol() const override { return table_.protocol; }
    std::vector<int> FillOrder() const override { return table_.fillOrder; }
    std::vector<int> WriteOrder() const override { return table_.writeOrder; }
    // 10 and 12 cylinders are not offered, but an ECU set up for them shows
    // its value and keeps it.
    std::string ValueOnlyOption(int controlId, int index) const override;

    // Register "2C" holds the number of cylinders; the list shows the first
    // five entries of this table.
    static unsigned CylindersForIndex(int index);
    static int IndexForCylinders(unsigned value);

  protected:
    int ShowField(const FieldDef& field, CRX4DATA& store, FieldValue& value) const override;
    void QueueField(const FieldDef& field, const FieldValue& value, QueueMode mode,
                    CRX4DATA& reference, PendingWrites& pending) const override;

  private:
    const VehiclePageTable& table_;
};

// CVehiclePage (Q7100) and CVehicleBasicPage (Q5100, "Q5100 plus").
const VehiclePageModel& VehicleModel();
const VehiclePageModel& VehicleBasicModel();
