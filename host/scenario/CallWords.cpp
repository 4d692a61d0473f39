#include "host/scenario/CallWords.h"

#include "host/scenario/ScenarioWords.h"

namespace host {
namespace {

const char* const kReturning[] = {"GetModuleKind", "LoadUserData", "CanExit"};

bool IsReturningOperation(const std::string& name) {
  for (const char* op : kReturning)
    if (name == op) return true;
  return false;
}

}  // namespace

bool IsExpectCallVerb(const std::string& verb) { return verb == "expect-call"; }

std::string CheckExpectCall(const ScenarioStep& step) {
  const std::vector<std::string>& a = step.args;
  int value;
  if (a.size() != 2 || !ParseInt(a[1], &value)) return "expect-call needs an operation and a value";
  if (!IsReturningOperation(a[0]))
    return "expect-call needs an operation that returns a value: GetModuleKind, LoadUserData or CanExit";
  return "";
}

bool CallReturningOperation(ITavorineModule& module, const std::string& name, int* value) {
  if (name == "GetModuleKind") *value = module.GetModuleKind();
  else if (name == "LoadUserData") *value = module.LoadUserData();
  else if (name == "CanExit") *value = module.CanExit();
  else return false;
  return true;
}

std::string PlayExpectCall(ITavorineModule& module, const ScenarioStep& step, std::string* failure) {
  int expected = 0, value = 0;
  ParseInt(step.args[1], &expected);
  CallReturningOperation(module, step.args[0], &value);
  std::string returned = step.args[0] + " returned " + std::to_string(value);
  if (value == expected) return "ok: " + returned;
  *failure = returned + ", expected " + std::to_string(expected);
  return "";
}

}  // namespace host
