// What the host knows of the module's protocol: each code's name and the block it carries (its
// layout, protocol/HostBlocks.h), from which the host copies, answers and prints; the records of
// the {method, record, result} codes; the default answers.
#pragma once

#include <vector>

#include "host/recording/AnswerScript.h"
#include "host/recording/CopierTable.h"
#include "protocol/HostBlocks.h"

namespace host {

struct HostCodeInfo {
  Channel channel;
  int code;
  const char* name;               // short and readable: "log", "conference method" ...
  const HostBlockLayout* block;   // NULL: no block the host reads
};

// The module's codes to the host and to its tree service.
const std::vector<HostCodeInfo>& HostCodes();
// The code's entry; NULL for a code not among them.
const HostCodeInfo* FindHostCode(Channel channel, int code);

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
