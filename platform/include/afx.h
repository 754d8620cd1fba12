// The foundation of the class library: CObject with run-time class
// information (DECLARE_DYNAMIC / DYNCREATE), the diagnostics macros, the
// exceptions (thrown as pointers, caught with C++ catch or the TRY/CATCH
// macros) and CFile over the platform's file functions.
//
// Diagnostics: ASSERT and VERIFY check unless NDEBUG is defined (a failure
// prints the file and line and aborts); TRACE prints nothing; AssertValid
// and Dump are no-ops.
//
// The TRY/CATCH macros behave as the class library's: the exception caught
// by CATCH / AND_CATCH / CATCH_ALL is deleted when the TRY block's scope is
// left, unless THROW_LAST rethrows it, so a CATCH block must not Delete it.
// With plain try/catch the catcher calls e->Delete().
#pragma once
#include <windows.h>

#include "afxstr.h"
#include "tchar.h"

#include <cstddef>

#define AFXAPI
#define AFX_CDECL
#define AFX_INLINE inline
#define AFX_DATA
#define AFX_DATADEF
#define AFX_NOVTABLE
#define AFX_CORE_DATA
#define AFX_EXT_CLASS
#define AFX_EXT_API
#define AFX_EXT_DATA
#define afx_msg

#ifndef _countof
#define _countof(array) (sizeof(array) / sizeof((array)[0]))
#endif

// ---- diagnostics ----
void AFXAPI AfxAssertFailedLine(const char* file, int line);
class CObject;
void AFXAPI AfxAssertValidObject(const CObject* object, const char* file, int line);
inline BOOL AfxIsValidAddress(const void* address, UINT_PTR /*bytes*/, BOOL /*readWrite*/ = TRUE) {
  return address != nullptr;
}
inline BOOL AfxIsValidString(LPCWSTR text, int /*length*/ = -1) { return text != nullptr; }
inline BOOL AfxIsValidString(LPCSTR text, int /*length*/ = -1) { return text != nullptr; }

#ifndef NDEBUG
#define ASSERT(f) ((void)((f) || (AfxAssertFailedLine(__FILE__, __LINE__), 0)))
#define VERIFY(f) ASSERT(f)
#define ASSERT_VALID(pOb) (AfxAssertValidObject((pOb), __FILE__, __LINE__))
#else
#define ASSERT(f) ((void)0)
#define VERIFY(f) ((void)(f))
#define ASSERT_VALID(pOb) ((void)0)
#endif
#define ASSERT_KINDOF(class_name, object) ASSERT((object)->IsKindOf(RUNTIME_CLASS(class_name)))
#define ASSERT_POINTER(p, type) ASSERT((p) != NULL)
#define ASSERT_NULL_OR_POINTER(p, type) ((void)0)
#define ENSURE(cond) ASSERT(cond)
#define ENSURE_VALID(pOb) ASSERT_VALID(pOb)
#define TRACE(...) ((void)0)
#define TRACE0(sz) ((void)0)
#define TRACE1(sz, p1) ((void)0)
#define TRACE2(sz, p1, p2) ((void)0)
#define TRACE3(sz, p1, p2, p3) ((void)0)
#define UNUSED(x) ((void)(x))
#define UNUSED_ALWAYS(x) ((void)(x))
#define DEBUG_NEW new
#define THIS_FILE __FILE__

// The dump context of the diagnostics: accepts everything, shows nothing.
class CDumpContext {
 public:
  template <class T>
  CDumpContext& operator<<(const T&) {
    return *this;
  }
};
extern CDumpContext afxDump;

// ---- run-time class information ----
struct CRuntimeClass {
  LPCSTR m_lpszClassName;
  int m_nObjectSize;
  UINT m_wSchema;
  CObject* (*m_pfnCreateObject)();
  const CRuntimeClass* m_pBaseClass;

  // A new object of the class (DECLARE_DYNCREATE classes), else null.
  CObject* CreateObject() const;
  BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
};

#define RUNTIME_CLASS(class_name) (const_cast<CRuntimeClass*>(&class_name::class##class_name))

#define DECLARE_DYNAMIC(class_name) \
 public:                            \
  static const CRuntimeClass class##class_name; \
  static CRuntimeClass* PASCAL GetThisClass() { return RUNTIME_CLASS(class_name); } \
  virtual CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
  DECLARE_DYNAMIC(class_name)         \
  static CObject* PASCAL CreateObject();

#define AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, pfnNew)                                       \
  const CRuntimeClass class_name::class##class_name = {#class_name, static_cast<int>(sizeof(class class_name)), \
                                                       0xFFFF, pfnNew, RUNTIME_CLASS(base_class_name)};        \
  CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, NULL)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                  \
  CObject* PASCAL class_name::CreateObject() { return new class_name; } \
  AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, class_name::CreateObject)

// The object, when it is of class pClass (or derived), else null.
CObject* AFXAPI AfxDynamicDownCast(const CRuntimeClass* pClass, CObject* pObject);
#define DYNAMIC_DOWNCAST(class_name, object) \
  (static_cast<class_name*>(AfxDynamicDownCast(RUNTIME_CLASS(class_name), (object))))
#define STATIC_DOWNCAST(class_name, object) (static_cast<class_name*>(object))

class CObject {
 public:
  virtual ~CObject() = default;
  virtual CRuntimeClass* GetRuntimeClass() const;
  BOOL IsKindOf(const CRuntimeClass* pClass) const;
  virtual void AssertValid() const {}
  virtual void Dump(CDumpContext& /*dc*/) const {}

  static const CRuntimeClass classCObject;
  static CRuntimeClass* PASCAL GetThisClass() { return RUNTIME_CLASS(CObject); }

 protected:
  CObject() = default;

 private:
  CObject(const CObject&) = delete;
  CObject& operator=(const CObject&) = delete;
};

// ---- exceptions ----
class CException : public CObject {
  DECLARE_DYNAMIC(CException)
 public:
  CException() = default;
  explicit CException(BOOL bAutoDelete) : m_bAutoDelete(bAutoDelete) {}
  // Deletes the exception unless it was made with bAutoDelete FALSE (a static one).
  void Delete();
  // Copies the message (cut to nMaxError units with the NUL); FALSE when there is none.
  virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const;
  // Shows the message in a message box (nMessageID's string when there is none).
  virtual int ReportError(UINT nType = MB_OK, UINT nMessageID = 0);

  BOOL m_bAutoDelete = TRUE;

 protected:
  static BOOL CopyMessage(LPCTSTR message, LPTSTR lpszError, UINT nMaxError);
};

class CMemoryException : public CException {
  DECLARE_DYNAMIC(CMemoryException)
 public:
  BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const override;
};

class CNotSupportedException : public CException {
  DECLARE_DYNAMIC(CNotSupportedException)
 public:
  BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const override;
};

class CInvalidArgException : public CException {
  DECLARE_DYNAMIC(CInvalidArgException)
 public:
  BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const override;
};

class CFileException : public CException {
  DECLARE_DYNAMIC(CFileException)
 public:
  enum {
    none,
    genericException,
    fileNotFound,
    badPath,
    tooManyOpenFiles,
    accessDenied,
    invalidFile,
    removeCurrentDir,
    directoryFull,
    badSeek,
    hardIO,
    sharingViolation,
    lockViolation,
    diskFull,
    endOfFile
  };

  explicit CFileException(int cause = none, LONG lOsError = -1, LPCTSTR lpszArchiveName = NULL);
  BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const override;

  // The cause for a platform error code (genericException for one it does not know).
  static int PASCAL OsErrorToException(LONG lOsError);
  static void PASCAL ThrowOsError(LONG lOsError, LPCTSTR lpszFileName = NULL);

  int m_cause;
  LONG m_lOsError;
  CString m_strFileName;
};

class CUserException : public CException {
  DECLARE_DYNAMIC(CUserException)
};

[[noreturn]] void AFXAPI AfxThrowMemoryException();
[[noreturn]] void AFXAPI AfxThrowNotSupportedException();
[[noreturn]] void AFXAPI AfxThrowInvalidArgException();
[[noreturn]] void AFXAPI AfxThrowUserException();
[[noreturn]] void AFXAPI AfxThrowFileException(int cause, LONG lOsError = -1, LPCTSTR lpszFileName = NULL);

// The scope of a TRY block: owns the exception its CATCH caught.
class AfxExceptionLink {
 public:
  AfxExceptionLink();
  ~AfxExceptionLink();
  AfxExceptionLink(const AfxExceptionLink&) = delete;
  AfxExceptionLink& operator=(const AfxExceptionLink&) = delete;
  void Own(CException* e) { m_pException = e; }
  // THROW_LAST: the innermost TRY scope gives its exception up to the rethrow.
  static void ReleaseInnermost();

 private:
  CException* m_pException = nullptr;
  AfxExceptionLink* m_pOuter;
};

#define TRY                    \
  {                            \
    AfxExceptionLink _afxLink; \
    try {
#define CATCH(class_name, e) \
  }                          \
  catch (class_name * e) {   \
    _afxLink.Own(e);
#define AND_CATCH(class_name, e) CATCH(class_name, e)
#define END_CATCH \
  }               \
  }
#define CATCH_ALL(e) CATCH(CException, e)
#define AND_CATCH_ALL(e) CATCH(CException, e)
#define END_CATCH_ALL END_CATCH
#define THROW(e) throw e
#define THROW_LAST()                     \
  do {                                   \
    AfxExceptionLink::ReleaseInnermost(); \
    throw;                               \
  } while (0)

// ---- files ----
// Binary files of the device over CreateFile / ReadFile / WriteFile.
// Open reports failures through its CFileException and never throws; the
// other operations throw a CFileException* whose m_cause comes from the
// platform error (OsErrorToException). The destructor closes without throwing.
class CFile : public CObject {
  DECLARE_DYNAMIC(CFile)
 public:
  enum OpenFlags {
    modeRead = 0x0000,
    modeWrite = 0x0001,
    modeReadWrite = 0x0002,
    shareCompat = 0x0000,
    shareExclusive = 0x0010,
    shareDenyWrite = 0x0020,
    shareDenyRead = 0x0030,
    shareDenyNone = 0x0040,
    modeNoInherit = 0x0080,
    modeCreate = 0x1000,
    modeNoTruncate = 0x2000,
    typeText = 0x4000,
    typeBinary = 0x8000,
  };
  enum SeekPosition { begin = 0x0, current = 0x1, end = 0x2 };

  static const HANDLE hFileNull;

  CFile();
  explicit CFile(HANDLE hFile);
  // Opens or throws the CFileException that Open reported.
  CFile(LPCTSTR lpszFileName, UINT nOpenFlags);
  ~CFile() override;

  virtual BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = NULL);
  // The bytes read; 0 at the end of the file.
  virtual UINT Read(void* lpBuf, UINT nCount);
  virtual void Write(const void* lpBuf, UINT nCount);
  virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
  void SeekToBegin();
  ULONGLONG SeekToEnd();
  virtual ULONGLONG GetLength() const;
  virtual void SetLength(ULONGLONG dwNewLen);
  virtual ULONGLONG GetPosition() const;
  virtual void Flush();
  virtual void Close();
  virtual void Abort();

  virtual CString GetFileName() const;
  virtual CString GetFileTitle() const;
  virtual CString GetFilePath() const;
  virtual void SetFilePath(LPCTSTR lpszNewName);

  static void PASCAL Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName);
  static void PASCAL Remove(LPCTSTR lpszFileName);

  operator HANDLE() const { return m_hFile; }

  HANDLE m_hFile;

 protected:
  BOOL m_bCloseOnDelete;
  CString m_strFileName;

 private:
  void ThrowLastError() const;
};
