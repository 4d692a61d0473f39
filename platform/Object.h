// CObject and run-time class records: class names, IsKindOf and dynamic creation.
#pragma once

#include "platform/Win32Types.h"

class CObject;

struct CRuntimeClass {
  const char* m_lpszClassName;
  const CRuntimeClass* m_pBaseClass;
  CObject* (*m_pfnCreateObject)();

  BOOL IsDerivedFrom(const CRuntimeClass* base) const;
  // A new object of the class, or NULL when the class is not dynamically creatable.
  CObject* CreateObject() const { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }
};

class CObject {
 public:
  static const CRuntimeClass classCObject;
  virtual ~CObject() = default;
  virtual const CRuntimeClass* GetRuntimeClass() const { return &classCObject; }
  BOOL IsKindOf(const CRuntimeClass* cls) const { return GetRuntimeClass()->IsDerivedFrom(cls); }

 protected:
  CObject() = default;
};

#define RUNTIME_CLASS(cls) (&cls::class##cls)

#define DECLARE_DYNAMIC(cls)                    \
 public:                                        \
  static const CRuntimeClass class##cls;        \
  const CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(cls) \
  DECLARE_DYNAMIC(cls)         \
  static CObject* CreateObject();

#define TAV_IMPLEMENT_RUNTIMECLASS(cls, base, create)                                     \
  const CRuntimeClass cls::class##cls = {#cls, RUNTIME_CLASS(base), create};              \
  const CRuntimeClass* cls::GetRuntimeClass() const { return RUNTIME_CLASS(cls); }

#define IMPLEMENT_DYNAMIC(cls, base) TAV_IMPLEMENT_RUNTIMECLASS(cls, base, nullptr)

#define IMPLEMENT_DYNCREATE(cls, base)                  \
  CObject* cls::CreateObject() { return new cls; }      \
  TAV_IMPLEMENT_RUNTIMECLASS(cls, base, cls::CreateObject)
