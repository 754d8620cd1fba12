// The exceptions of the class library, their messages, the throw helpers and
// the scopes of the TRY/CATCH macros that delete what they caught.
#include <afxpriv.h>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CMemoryException, CException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CException)
IMPLEMENT_DYNAMIC(CInvalidArgException, CException)
IMPLEMENT_DYNAMIC(CFileException, CException)
IMPLEMENT_DYNAMIC(CUserException, CException)

void CException::Delete() {
  if (m_bAutoDelete) delete this;
}

BOOL CException::CopyMessage(LPCTSTR message, LPTSTR lpszError, UINT nMaxError) {
  if (!lpszError || nMaxError == 0) return FALSE;
  lstrcpyn(lpszError, message, static_cast<int>(nMaxError));
  return TRUE;
}

BOOL CException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
  if (pnHelpContext) *pnHelpContext = 0;
  if (lpszError && nMaxError > 0) *lpszError = 0;
  return FALSE;
}

int CException::ReportError(UINT nType, UINT nMessageID) {
  TCHAR message[512];
  CString text;
  if (GetErrorMessage(message, _countof(message))) {
    text = message;
  } else if (nMessageID != 0) {
    text = AfxLoadString(nMessageID);
  }
  if (text.IsEmpty()) text = _T("An unsupported operation was attempted.");
  return AfxMessageBox(text, nType);
}

BOOL CMemoryException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
  if (pnHelpContext) *pnHelpContext = 0;
  return CopyMessage(_T("Out of memory."), lpszError, nMaxError);
}

BOOL CNotSupportedException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
  if (pnHelpContext) *pnHelpContext = 0;
  return CopyMessage(_T("An unsupported operation was attempted."), lpszError, nMaxError);
}

BOOL CInvalidArgException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
  if (pnHelpContext) *pnHelpContext = 0;
  return CopyMessage(_T("Encountered an improper argument."), lpszError, nMaxError);
}

// ---- file exceptions ----
CFileException::CFileException(int cause, LONG lOsError, LPCTSTR lpszArchiveName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszArchiveName) {}

int PASCAL CFileException::OsErrorToException(LONG lOsError) {
  switch (lOsError) {
    case NO_ERROR:
      return none;
    case ERROR_FILE_NOT_FOUND:
      return fileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
      return badPath;
    case ERROR_TOO_MANY_OPEN_FILES:
      return tooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return accessDenied;
    case ERROR_INVALID_HANDLE:
      return invalidFile;
    case ERROR_DIR_NOT_EMPTY:
      return removeCurrentDir;
    case ERROR_NO_MORE_FILES:
      return directoryFull;
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT:
      return hardIO;
    case ERROR_SHARING_VIOLATION:
      return sharingViolation;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return diskFull;
    case ERROR_HANDLE_EOF:
      return endOfFile;
    default:
      return genericException;
  }
}

void PASCAL CFileException::ThrowOsError(LONG lOsError, LPCTSTR lpszFileName) {
  if (lOsError != 0) AfxThrowFileException(OsErrorToException(lOsError), lOsError, lpszFileName);
}

BOOL CFileException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
  static const TCHAR* const kMessages[] = {
      _T("No error occurred."),
      _T("An unspecified error occurred while accessing %s."),
      _T("%s was not found."),
      _T("%s contains an incorrect path."),
      _T("%s could not be opened because there are too many open files."),
      _T("Access to %s was denied."),
      _T("An incorrect file handle was associated with %s."),
      _T("%s could not be removed because it is the current directory."),
      _T("%s could not be created because the directory is full."),
      _T("Seek failed on %s."),
      _T("A hardware I/O error was reported while accessing %s."),
      _T("A sharing violation occurred while accessing %s."),
      _T("A locking violation occurred while accessing %s."),
      _T("Disk full while accessing %s."),
      _T("An attempt was made to access %s past its end."),
  };
  if (pnHelpContext) *pnHelpContext = 0;
  const int index = m_cause >= 0 && m_cause < static_cast<int>(_countof(kMessages)) ? m_cause : genericException;
  CString message;
  message.Format(kMessages[index], m_strFileName.IsEmpty() ? _T("an unnamed file") : m_strFileName.GetString());
  return CopyMessage(message, lpszError, nMaxError);
}

// ---- throwing ----
void AFXAPI AfxThrowMemoryException() { throw new CMemoryException; }
void AFXAPI AfxThrowNotSupportedException() { throw new CNotSupportedException; }
void AFXAPI AfxThrowInvalidArgException() { throw new CInvalidArgException; }
void AFXAPI AfxThrowUserException() { throw new CUserException; }
void AFXAPI AfxThrowFileException(int cause, LONG lOsError, LPCTSTR lpszFileName) {
  throw new CFileException(cause, lOsError, lpszFileName);
}

// ---- TRY scopes ----
namespace {
thread_local AfxExceptionLink* innermostLink = nullptr;
}

AfxExceptionLink::AfxExceptionLink() : m_pOuter(innermostLink) { innermostLink = this; }

AfxExceptionLink::~AfxExceptionLink() {
  innermostLink = m_pOuter;
  if (m_pException) m_pException->Delete();
}

void AfxExceptionLink::ReleaseInnermost() {
  if (innermostLink) innermostLink->m_pException = nullptr;
}
