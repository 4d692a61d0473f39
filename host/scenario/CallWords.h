// The module's virtual operations as scenario steps call them:
//
//   call OP                 calls OP and prints what it returned
//   expect-call OP VALUE    calls OP and fails unless it returns VALUE; only the operations that
//                           return a value (GetModuleKind, LoadUserData, CanExit) can be expected
#pragma once

#include <string>

#include "host/scenario/Scenario.h"
#include "host/scenario/ScenarioStep.h"
#include "protocol/HostInterface.h"

namespace host {

bool IsExpectCallVerb(const std::string& verb);
// "" when the step's words fit, else the reason.
std::string CheckExpectCall(const ScenarioStep& step);

// Calls an operation that returns a value into *value; false for an operation that returns
// nothing (not called) or an unknown one.
bool CallReturningOperation(ITavorineModule& module, const std::string& name, int* value);

// Plays an expect-call step: what the step says, or why it failed (into *failure).
std::string PlayExpectCall(ITavorineModule& module, const ScenarioStep& step, std::string* failure);

}  // namespace host
