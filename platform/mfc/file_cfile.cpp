// CFile: binary files of the device over CreateFile, ReadFile, WriteFile and
// SetFilePointer, reporting failures as CFileException.
#include <afx.h>

#include <algorithm>

IMPLEMENT_DYNAMIC(CFile, CObject)

const HANDLE CFile::hFileNull = INVALID_HANDLE_VALUE;

namespace {

DWORD DesiredAccess(UINT nOpenFlags) {
  switch (nOpenFlags & 3) {
    case CFile::modeWrite:
      return GENERIC_WRITE;
    case CFile::modeReadWrite:
      return GENERIC_READ | GENERIC_WRITE;
    default:
      return GENERIC_READ;
  }
}

DWORD ShareMode(UINT nOpenFlags) {
  switch (nOpenFlags & 0x70) {
    case CFile::shareDenyWrite:
      return FILE_SHARE_READ;
    case CFile::shareDenyRead:
      return FILE_SHARE_WRITE;
    case CFile::shareDenyNone:
      return FILE_SHARE_READ | FILE_SHARE_WRITE;
    default:  // shareCompat and shareExclusive
      return 0;
  }
}

DWORD CreationDisposition(UINT nOpenFlags) {
  if (!(nOpenFlags & CFile::modeCreate)) return OPEN_EXISTING;
  return (nOpenFlags & CFile::modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
}

void Report(CFileException* pError, LONG error, LPCTSTR lpszFileName) {
  if (!pError) return;
  pError->m_lOsError = error;
  pError->m_cause = CFileException::OsErrorToException(error);
  pError->m_strFileName = lpszFileName;
}

int LastSeparator(const CString& path) {
  return std::max(path.ReverseFind(_T('\\')), path.ReverseFind(_T('/')));
}

}  // namespace

CFile::CFile() : m_hFile(hFileNull), m_bCloseOnDelete(FALSE) {}

CFile::CFile(HANDLE hFile) : m_hFile(hFile), m_bCloseOnDelete(FALSE) {}

CFile::CFile(LPCTSTR lpszFileName, UINT nOpenFlags) : CFile() {
  CFileException error;
  if (!Open(lpszFileName, nOpenFlags, &error)) AfxThrowFileException(error.m_cause, error.m_lOsError, lpszFileName);
}

CFile::~CFile() {
  if (m_hFile != hFileNull && m_bCloseOnDelete) Abort();
}

BOOL CFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError) {
  if (m_hFile != hFileNull || !lpszFileName) {  // already open, or no name
    Report(pError, m_hFile != hFileNull ? ERROR_INVALID_PARAMETER : ERROR_INVALID_NAME, lpszFileName);
    return FALSE;
  }
  m_strFileName = lpszFileName;
  HANDLE hFile = ::CreateFile(lpszFileName, DesiredAccess(nOpenFlags), ShareMode(nOpenFlags), nullptr,
                              CreationDisposition(nOpenFlags), FILE_ATTRIBUTE_NORMAL, nullptr);
  if (hFile == INVALID_HANDLE_VALUE) {
    Report(pError, static_cast<LONG>(::GetLastError()), lpszFileName);
    m_strFileName.Empty();
    return FALSE;
  }
  m_hFile = hFile;
  m_bCloseOnDelete = TRUE;
  return TRUE;
}

void CFile::ThrowLastError() const {
  const LONG error = static_cast<LONG>(::GetLastError());
  AfxThrowFileException(CFileException::OsErrorToException(error), error, m_strFileName);
}

UINT CFile::Read(void* lpBuf, UINT nCount) {
  if (nCount == 0) return 0;
  DWORD read = 0;
  if (!::ReadFile(m_hFile, lpBuf, nCount, &read, nullptr)) ThrowLastError();
  return read;
}

void CFile::Write(const void* lpBuf, UINT nCount) {
  if (nCount == 0) return;
  DWORD written = 0;
  if (!::WriteFile(m_hFile, lpBuf, nCount, &written, nullptr)) ThrowLastError();
  if (written != nCount) AfxThrowFileException(CFileException::diskFull, ERROR_DISK_FULL, m_strFileName);
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom) {
  LONG high = static_cast<LONG>(static_cast<ULONGLONG>(lOff) >> 32);
  const DWORD low = ::SetFilePointer(m_hFile, static_cast<LONG>(lOff & 0xFFFFFFFF), &high, nFrom);
  if (low == INVALID_SET_FILE_POINTER && ::GetLastError() != NO_ERROR) {
    const LONG error = static_cast<LONG>(::GetLastError());
    if (error == ERROR_INVALID_PARAMETER) AfxThrowFileException(CFileException::badSeek, error, m_strFileName);
    ThrowLastError();
  }
  return (static_cast<ULONGLONG>(static_cast<DWORD>(high)) << 32) | low;
}

void CFile::SeekToBegin() { Seek(0, begin); }

ULONGLONG CFile::SeekToEnd() { return Seek(0, end); }

ULONGLONG CFile::GetPosition() const { return const_cast<CFile*>(this)->Seek(0, current); }

ULONGLONG CFile::GetLength() const {
  DWORD high = 0;
  const DWORD low = ::GetFileSize(m_hFile, &high);
  if (low == INVALID_FILE_SIZE && ::GetLastError() != NO_ERROR) ThrowLastError();
  return (static_cast<ULONGLONG>(high) << 32) | low;
}

void CFile::SetLength(ULONGLONG dwNewLen) {
  Seek(static_cast<LONGLONG>(dwNewLen), begin);
  if (!::SetEndOfFile(m_hFile)) ThrowLastError();
}

void CFile::Flush() {
  if (m_hFile != hFileNull && !::FlushFileBuffers(m_hFile)) ThrowLastError();
}

void CFile::Close() {
  const BOOL closed = m_hFile == hFileNull || ::CloseHandle(m_hFile);
  const LONG error = closed ? NO_ERROR : static_cast<LONG>(::GetLastError());
  const CString name = m_strFileName;
  m_hFile = hFileNull;
  m_bCloseOnDelete = FALSE;
  m_strFileName.Empty();
  if (!closed) AfxThrowFileException(CFileException::OsErrorToException(error), error, name);
}

void CFile::Abort() {
  if (m_hFile != hFileNull) ::CloseHandle(m_hFile);
  m_hFile = hFileNull;
  m_bCloseOnDelete = FALSE;
  m_strFileName.Empty();
}

CString CFile::GetFilePath() const { return m_strFileName; }

CString CFile::GetFileName() const { return m_strFileName.Mid(LastSeparator(m_strFileName) + 1); }

CString CFile::GetFileTitle() const {
  const CString name = GetFileName();
  const int dot = name.ReverseFind(_T('.'));
  return dot > 0 ? name.Left(dot) : name;
}

void CFile::SetFilePath(LPCTSTR lpszNewName) { m_strFileName = lpszNewName; }

void PASCAL CFile::Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName) {
  if (!::MoveFile(lpszOldName, lpszNewName)) CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), lpszOldName);
}

void PASCAL CFile::Remove(LPCTSTR lpszFileName) {
  if (!::DeleteFile(lpszFileName)) CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), lpszFileName);
}
