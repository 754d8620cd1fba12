// CObject and run-time class information, the diagnostics behind ASSERT and
// ASSERT_VALID, and the dump context.
#include <afx.h>

#include <cstdio>
#include <cstdlib>

CDumpContext afxDump;

const CRuntimeClass CObject::classCObject = {"CObject", static_cast<int>(sizeof(CObject)), 0xFFFF, nullptr, nullptr};

CRuntimeClass* CObject::GetRuntimeClass() const { return RUNTIME_CLASS(CObject); }

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const { return GetRuntimeClass()->IsDerivedFrom(pClass); }

CObject* CRuntimeClass::CreateObject() const { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const {
  for (const CRuntimeClass* c = this; c; c = c->m_pBaseClass) {
    if (c == pBaseClass) return TRUE;
  }
  return FALSE;
}

CObject* AFXAPI AfxDynamicDownCast(const CRuntimeClass* pClass, CObject* pObject) {
  return pObject && pObject->IsKindOf(pClass) ? pObject : nullptr;
}

void AFXAPI AfxAssertFailedLine(const char* file, int line) {
  std::fprintf(stderr, "assertion failed: %s(%d)\n", file, line);
  std::abort();
}

void AFXAPI AfxAssertValidObject(const CObject* object, const char* file, int line) {
  if (!object) AfxAssertFailedLine(file, line);
  object->AssertValid();
}
