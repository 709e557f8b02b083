#pragma once
// What the user is told when a lost link cut a write pass: each entry by
// the field it belongs to and the value as that field shows it, in the
// order the pass sent them, split into confirmed and not written.

#include <string>
#include <vector>

#include "comm/pending_writes.h"
#include "i18n/ui_text.h"

class CRX4DATA;
class PageModel;

// "Tempo de Retorno: 12 (1-100 Min)" for an entry of one of the model's
// fields, shown as the field would show the register holding that value
// (the other registers as `reference` holds them); "registro 7F = 1A" for
// an entry of no field. One line per field: a group field's second
// register adds no line.
std::vector<std::string> DescribeEntries(const PageModel* model,
                                         const std::vector<PendingWrite>& entries,
                                         CRX4DATA& reference);

// The whole message of an interrupted pass.
std::string InterruptedPassText(const PageModel* model, const WritePassReport& report,
                                CRX4DATA& reference);
constexpr const char* kInterruptedPassTitle = TR_NOOP("Gravação interrompida");  // Tr where shown
