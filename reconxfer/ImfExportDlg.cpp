// The export's progress dialog: the timer-driven steps that write the
// registered cards as an interchange set.
#include "ImfExportDlg.h"

#include <geopane.h>

#include "imf_mapdb.h"

namespace {

constexpr UINT kStepPeriodMs = 100;

enum ExportState : int {
  kCreateFiles = 0,
  kWriteCards = 1,
  kCloseFiles = 2,
  kWriteIndex = 3,
  kFinish = 4,
  kEnded = 5,
};

constexpr UINT kWriteFlags = CFile::modeCreate | CFile::modeWrite | CFile::shareDenyWrite | CFile::typeBinary;

constexpr WCHAR kEndCaption[] = u"終了確認";
constexpr WCHAR kCompleted[] = u"書き出しが終了しました。";
constexpr WCHAR kDatabaseUnreadable[] = u"地図データベースを読めません。";

CStringW CannotWrite(const CStringW& fileName) {
  CStringW reason;
  reason.Format(u"ファイルに書き込めません: %s", fileName.GetString());
  return reason;
}

bool WriteBytes(CFile& file, const CStringA& bytes) {
  TRY {
    file.Write(bytes.GetString(), static_cast<UINT>(bytes.GetLength()));
    return true;
  }
  CATCH(CFileException, e) {
    return false;
  }
  END_CATCH
}

bool CloseWritten(CFile& file) {
  TRY {
    file.Close();
    return true;
  }
  CATCH(CFileException, e) {
    file.Abort();
    return false;
  }
  END_CATCH
}

}  // namespace

ImfExportDlg::ImfExportDlg(const WCHAR* folder, const WCHAR* name, CWnd* pParent)
    : ImfStepDlg(IDD, kStepPeriodMs, pParent), m_folder(folder), m_name(name) {
  m_indexPath = m_folder + u"\\" + m_name;
  ImfFileNames(name, m_fileNames);
}

ImfExportDlg::~ImfExportDlg() = default;

BOOL ImfExportDlg::OnInitDialog() {
  ImfStepDlg::OnInitDialog();
  MapdbNav_GetCnt(&m_total);
  m_done = 0;
  m_progress.SetPos(0);
  return TRUE;
}

// "中止": nothing of the export remains.
void ImfExportDlg::OnCancel() {
  m_state = kEnded;
  CloseOpenFiles();
  RemoveAllFiles();
  ImfStepDlg::OnCancel();
}

void ImfExportDlg::RunStep() {
  switch (m_state) {
    case kCreateFiles:
      return CreateFiles();
    case kWriteCards:
      return WriteNextCard();
    case kCloseFiles:
      return CloseFiles();
    case kWriteIndex:
      return WriteIndex();
    case kFinish:
      return Finish();
  }
}

CStringW ImfExportDlg::PathOf(int file) const { return m_folder + u"\\" + m_fileNames[file]; }

// Creating a file empties one that an earlier export left.
void ImfExportDlg::CreateFiles() {
  if (MapdbNav_Top() != 0) {
    if (m_total > 0) return Fail(kDatabaseUnreadable);
    m_state = kFinish;
    return;
  }
  m_filesTouched = TRUE;
  for (int file = 0; file < IMF_FILE_COUNT; ++file) {
    m_open[file] = m_files[file].Open(PathOf(file), kWriteFlags);
    if (!m_open[file]) return Fail(CannotWrite(m_fileNames[file]));
  }
  m_state = kWriteCards;
}

// The card line first, then its lines of sight, then its photos, each in
// the file of the card's kind.
void ImfExportDlg::WriteNextCard() {
  NavRecord card{};
  int id = 0;
  if (MapdbNav_Red(&id, &card) != 0) {
    m_state = kCloseFiles;
    return;
  }
  ++m_done;
  m_progress.SetPos(ProgressPercent(m_done, m_total));
  CardLines lines;
  const CollectResult collected = CollectCardLines(id, card, lines);
  if (collected == CollectResult::NotRegistered) return;
  if (collected != CollectResult::Whole) ++m_cardsLeftOut;
  if (!lines.card.IsEmpty() && !WriteLine(ImfFileOf(card.kind, 0), lines.card)) return;
  for (const CStringA& look : lines.looks) {
    if (!WriteLine(ImfFileOf(card.kind, 1), look)) return;
  }
  for (const CStringA& photo : lines.photos) {
    if (!WriteLine(ImfFileOf(card.kind, 2), photo)) return;
  }
}

// False, with the export failed, when the line could not be written.
bool ImfExportDlg::WriteLine(int file, const CStringA& line) {
  ++m_lineCounts[file];
  if (WriteBytes(m_files[file], line)) return true;
  Fail(CannotWrite(m_fileNames[file]));
  return false;
}

void ImfExportDlg::CloseFiles() {
  for (int file = 0; file < IMF_FILE_COUNT; ++file) {
    if (!m_open[file]) continue;
    m_open[file] = FALSE;
    if (!CloseWritten(m_files[file])) return Fail(CannotWrite(m_fileNames[file]));
  }
  for (int file = 0; file < IMF_FILE_COUNT; ++file) {
    if (m_lineCounts[file] == 0) DeleteFile(PathOf(file));
  }
  m_state = kWriteIndex;
}

// Without a card line in any file no index file is kept, not even one of an
// earlier export with this name.
void ImfExportDlg::WriteIndex() {
  const CStringA index = FormatIndex(m_fileNames, m_lineCounts);
  if (index.IsEmpty()) {
    DeleteFile(m_indexPath);
    m_state = kFinish;
    return;
  }
  CFile file;
  if (!file.Open(m_indexPath, kWriteFlags) || !WriteBytes(file, index) || !CloseWritten(file)) {
    file.Abort();
    return Fail(CannotWrite(m_name));
  }
  m_state = kFinish;
}

void ImfExportDlg::Finish() {
  m_state = kEnded;
  if (m_cardsLeftOut == 0) {
    MessageBox(kCompleted, kEndCaption, MB_OK | MB_ICONINFORMATION);
  } else {
    CStringW text;
    text.Format(u"一部のカードを書き出せませんでした: %d 件\n座標、見通状況または写真を読めません。", m_cardsLeftOut);
    MessageBox(text, kEndCaption, MB_OK | MB_ICONEXCLAMATION);
  }
  EndDialog(IDOK);
}

// Once the set's files have been touched nothing of it is left, as after a
// cancel; a failure before that leaves the folder as it was.
void ImfExportDlg::Fail(const CStringW& reason) {
  m_state = kEnded;
  CStringW text(u"書き出しに失敗しました。\n");
  text += reason;
  if (m_filesTouched) {
    CloseOpenFiles();
    RemoveAllFiles();
    text += u"\n書き出したファイルは削除しました。";
  }
  MessageBox(text, kEndCaption, MB_OK | MB_ICONSTOP);
  EndDialog(IDCANCEL);
}

void ImfExportDlg::CloseOpenFiles() {
  for (int file = 0; file < IMF_FILE_COUNT; ++file) {
    if (m_open[file]) m_files[file].Abort();
    m_open[file] = FALSE;
  }
}

void ImfExportDlg::RemoveAllFiles() {
  for (int file = 0; file < IMF_FILE_COUNT; ++file) DeleteFile(PathOf(file));
  DeleteFile(m_indexPath);
}
