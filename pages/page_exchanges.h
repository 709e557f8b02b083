#pragma once
// The exchanges a configuration page starts, as jobs for the worker: the
// write button and Enter in a field. They differ between pages only in the
// page model's protocol rows, never in code.

#include <string>

#include "comm/ecu_protocol.h"
#include "pages/page_model.h"

// Every field of the page, then "FULL" read back. Gives 0, or
// kReadFailedResult when the read-back failed three times.
int WriteAllFields(EcuSession& session, const PageModel& model, PageHooks& hooks);

// The field of `key`, then its read-back ("FULL" for a group key) and, on
// pages that ask for it, one more read of the key into the file store (its
// result is not looked at). Gives the read-back's result.
int WriteOneField(EcuSession& session, const PageModel& model, const std::string& key,
                  PageHooks& hooks);
