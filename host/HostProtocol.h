// What the host knows of the module's protocol: how to copy each code's block, where each
// code's answer goes, the default answers, and readable names of the codes.
#pragma once

#include "host/AnswerScript.h"
#include "host/CopierTable.h"

namespace host {

// Copy rules for every module-to-host code and tree-service request with a known block,
// including the conference-method records of code 102.
void AddModuleCopiers(CopierTable& table);

// Answer writers, and the answers of a host that lets everything through: code 20032 says
// a conference operation may start, codes 101 and 102 report the request taken; everything
// else answers 0.
void AddModuleAnswers(AnswerScript& script);

// A short readable name of the code ("log", "conference method" ...), "" when unknown.
const char* CodeName(Channel channel, int code);

}  // namespace host
