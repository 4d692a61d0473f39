// The interface between the host application and the module. The host loads the library,
// calls LoadTavorineModule and then drives the module only through the virtual operations of
// ITavorineModule, in this slot order; the module answers through IHostInterface.
#pragma once

#include "platform/Win32Types.h"

// The module kind this module reports to the host with every message.
constexpr int kTavorineModuleKind = 5;

// The host's side, implemented by the host application (and by the host stand-ins).
class IHostInterface {
 public:
  // The host's message operation: the module of the given kind reports a code with its
  // parameter block; returns the host's answer. The host may write results into the block.
  virtual int OnModuleMessage(int moduleKind, int code, void* block) = 0;
  // A request to another module of the host; target 10 is the department-tree service.
  virtual int SendToModule(int target, int code, void* block, int value) = 0;

 protected:
  ~IHostInterface() = default;
};

// The module's side, in the slot order the host calls.
class ITavorineModule {
 public:
  virtual int GetModuleKind() = 0;                             // always kTavorineModuleKind
  virtual BOOL LoadUserData() = 0;                             // rights and saved conferences
  virtual void Close() = 0;                                    // before the library is unloaded
  virtual void Reserved() = 0;                                 // an empty slot
  virtual void ClosePopupDialogs() = 0;                        // ends the running pop-up dialog
  virtual int OnHostMessage(int category, int code, void* block) = 0;
  virtual int ForwardToHost(int code, void* block) = 0;        // passes a message to the host
  virtual int ForwardToModule(int target, int code, void* block, int value) = 0;
  virtual BOOL CanExit() = 0;                                  // FALSE while work must finish
  virtual ~ITavorineModule() = default;
};
