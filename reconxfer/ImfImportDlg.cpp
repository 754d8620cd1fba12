// The import's progress dialog: the timer-driven steps that read an
// interchange set into the map database.
#include "ImfImportDlg.h"

#include <codetables.h>
#include <geopane.h>

#include "imf_mapdb.h"

namespace {

constexpr UINT kStepPeriodMs = 1;

enum ImportState : int {
  kOpenIndex = 0,
  kReadIndex = 1,
  kMeasure = 2,
  kFirstCardState = 3,  // open, read and close for each kind in turn
  kFinish = 12,
  kEnded = 13,
};
enum CardPhase : int { kOpenPhase, kReadPhase, kClosePhase, kPhases };

constexpr UINT kReadFlags = CFile::modeRead | CFile::shareDenyWrite | CFile::typeBinary;

constexpr WCHAR kEndCaption[] = u"終了確認";
constexpr WCHAR kCompleted[] = u"取り込みが終了しました。";

CStringW FileNameOf(const CStringW& path) { return path.Mid(path.ReverseFind(u'\\') + 1); }

CStringW Reason(const WCHAR* format, const CStringW& fileName) {
  CStringW reason;
  reason.Format(format, fileName.GetString());
  return reason;
}
CStringW CannotOpen(const CStringW& path) { return Reason(u"ファイルを開けません: %s", FileNameOf(path)); }
CStringW CannotRead(const CStringW& path) { return Reason(u"ファイルを読めません: %s", FileNameOf(path)); }
constexpr WCHAR kDatabaseRefused[] = u"地図データベースに書き込めません。";

}  // namespace

ImfImportDlg::ImfImportDlg(const WCHAR* folder, const WCHAR* name, CWnd* pParent)
    : ImfStepDlg(IDD, kStepPeriodMs, pParent), m_folder(folder), m_name(name) {
  m_indexPath = PathInFolder(name);
}

ImfImportDlg::~ImfImportDlg() = default;

void ImfImportDlg::RunStep() {
  switch (m_state) {
    case kOpenIndex:
      return OpenIndex();
    case kReadIndex:
      return ReadIndexLine();
    case kMeasure:
      return MeasureCardFiles();
    case kFinish:
      return Finish();
    case kEnded:
      return;
  }
  switch ((m_state - kFirstCardState) % kPhases) {
    case kOpenPhase:
      return OpenCardFile();
    case kReadPhase:
      return StoreCardFileLine();
    case kClosePhase:
      return CloseCardFile();
  }
}

LONG ImfImportDlg::KindOfState() const { return (m_state - kFirstCardState) / kPhases + 1; }

CStringW ImfImportDlg::PathInFolder(const WCHAR* name) const { return m_folder + u"\\" + name; }

void ImfImportDlg::OpenIndex() {
  if (!m_file.Open(m_indexPath, kReadFlags)) return Fail(CannotOpen(m_indexPath));
  m_fileOpen = TRUE;
  m_total = static_cast<DWORD>(m_file.GetLength());
  m_done = 0;
  m_progress.SetPos(0);
  m_state = kReadIndex;
}

void ImfImportDlg::ReadIndexLine() {
  ImfLine line;
  switch (ReadLine(m_file, line, m_done)) {
    case ImfRead::End:
      m_state = kMeasure;
      return;
    case ImfRead::Failed:
      return Fail(CannotRead(m_indexPath));
    case ImfRead::Line:
      return TakeIndexRecord(line);
  }
}

// Only the background image and the three card files matter to the import;
// the section structure is not looked at and the last record of a code wins.
void ImfImportDlg::TakeIndexRecord(const ImfLine& line) {
  switch (RecordCode(line.View())) {
    case ImfRecord::A01:
      return SetBackgroundImage(line);
    case ImfRecord::B01:
      return NameCardFile(codes::kKnownPoint, line);
    case ImfRecord::C01:
      return NameCardFile(codes::kBlockRefPoint, line);
    case ImfRecord::D01:
      return NameCardFile(codes::kBlockPoint, line);
    default:
      return;
  }
}

void ImfImportDlg::NameCardFile(LONG kind, const ImfLine& line) {
  WCHAR name[kImfNameChars + 1];
  if (line.tooLong || !ReadIndexName(line.View(), name)) {
    ++m_refusedLines;
    return;
  }
  m_cardPaths[kind - 1] = PathInFolder(name);
}

// The image's lower-left pixel corner (0, height) goes to (x1, y1), its
// upper-right corner (width, 0) to (x2, y2). The old image is removed before
// the new one is loaded, so a missing image leaves none.
void ImfImportDlg::SetBackgroundImage(const ImfLine& line) {
  ImfBackground image;
  if (!ReadBackground(line.View(), image)) return;
  if (line.tooLong || image.cut) {
    ++m_refusedLines;
    return;
  }
  MapdbHai_Ini(image.x1, image.y1);
  const CStringW path = PathInFolder(image.name);
  HBITMAP bitmap = SHLoadDIBitmap(path);
  if (!bitmap) {
    m_unreadFiles.push_back(image.name);
    return;
  }
  BITMAP size{};
  GetObject(bitmap, sizeof size, &size);
  const int placed = MapdbHai_Bmp(path, 0, size.bmHeight, image.x1, image.y1, size.bmWidth, 0, image.x2, image.y2);
  DeleteObject(bitmap);
  if (placed != 0) m_unreadFiles.push_back(image.name);
}

// The progress bar runs over the three card files together.
void ImfImportDlg::MeasureCardFiles() {
  CloseOpenFiles();
  m_progress.SetPos(0);
  m_done = 0;
  m_total = 0;
  for (const CStringW& path : m_cardPaths) {
    CFile file;
    if (path.IsEmpty() || !file.Open(path, kReadFlags)) continue;
    m_total += static_cast<DWORD>(file.GetLength());
    file.Abort();
  }
  m_state = kFirstCardState;
}

// A missing known-point or reference-point file is passed over (and named at
// the end); without the urban-block point file the import stops.
void ImfImportDlg::OpenCardFile() {
  const CStringW& path = m_cardPaths[KindOfState() - 1];
  if (!path.IsEmpty() && m_file.Open(path, kReadFlags)) {
    m_fileOpen = TRUE;
    m_state += kReadPhase;
    return;
  }
  if (!path.IsEmpty()) {
    if (KindOfState() == codes::kBlockPoint) return Fail(CannotOpen(path));
    m_unreadFiles.push_back(FileNameOf(path));
  }
  m_state += kPhases;
}

// Every line is stored, an empty one too (as point 0 at (0, 0)); a line too
// long to hold whole is refused and counted.
void ImfImportDlg::StoreCardFileLine() {
  ImfLine line;
  switch (ReadLine(m_file, line, m_done)) {
    case ImfRead::End:
      m_state += kClosePhase - kReadPhase;
      return;
    case ImfRead::Failed:
      return Fail(CannotRead(m_cardPaths[KindOfState() - 1]));
    case ImfRead::Line:
      break;
  }
  m_progress.SetPos(ProgressPercent(m_done, m_total));
  switch (StoreCardLine(KindOfState(), line)) {
    case StoreResult::Stored:
      ++m_storedLines;
      return;
    case StoreResult::Refused:
      ++m_refusedLines;
      return;
    case StoreResult::NotStored:
      return Fail(kDatabaseRefused);
  }
}

void ImfImportDlg::CloseCardFile() {
  CloseOpenFiles();
  m_state += kPhases - kClosePhase;
}

void ImfImportDlg::Finish() {
  m_state = kEnded;
  MapdbNav_PutInfo(m_folder, m_name, -1);
  if (m_unreadFiles.empty() && m_refusedLines == 0) {
    MessageBox(kCompleted, kEndCaption, MB_OK | MB_ICONINFORMATION);
  } else {
    CStringW text(u"一部のデータを取り込めませんでした。");
    for (const CStringW& file : m_unreadFiles) text.AppendFormat(u"\n読めないファイル: %s", file.GetString());
    if (m_refusedLines > 0) text.AppendFormat(u"\n長すぎる行: %d 行", m_refusedLines);
    text.AppendFormat(u"\n取り込んだ点: %d 点", m_storedLines);
    MessageBox(text, kEndCaption, MB_OK | MB_ICONEXCLAMATION);
  }
  MapWin_DrwAll(MapWin_DrwFlg(1));
  EndDialog(IDOK);
}

void ImfImportDlg::Fail(const CStringW& reason) {
  m_state = kEnded;
  CloseOpenFiles();
  CStringW text;
  text.Format(u"取り込みを中断しました。\n%s\n取り込んだ点: %d 点", reason.GetString(), m_storedLines);
  MessageBox(text, kEndCaption, MB_OK | MB_ICONSTOP);
  EndDialog(IDCANCEL);
}

void ImfImportDlg::CloseOpenFiles() {
  if (!m_fileOpen) return;
  m_file.Abort();
  m_fileOpen = FALSE;
}
