// The import's progress dialog: reads an interchange set, one line per tick
// of the 1 ms step timer (ImfStepDlg), into the map database as new points with not-yet-surveyed
// cards, places its background image, and reports how the import ended.
//
// Steps (m_state): 0 open the index file; 1 read one index line (A01 places
// the background image, B01 / C01 / D01 name the card files); 2 measure the
// card files for the progress bar; then for known points, urban-block
// reference points and urban-block points in turn: open the card file
// (3, 6, 9), store one line (4, 7, 10), close it (5, 8, 11); 12 finish.
//
// Ends:
// - completed: every named file read and every line stored: the folder and
//   name are recorded for the next import, "取り込みが終了しました。", the map
//   is redrawn;
// - completed with gaps: a known-point or reference-point card file or the
//   background image named but not readable, or lines refused as too long:
//   the folder and name are recorded, the map is redrawn and a warning
//   names what was not taken in;
// - failed: the index file or the urban-block point file cannot be opened, a
//   file cannot be read, or the map database does not take a point or card:
//   the import stops at once with an error message; what was stored stays,
//   the map is not redrawn and the folder is not recorded;
// - cancelled by "中止" between two steps: no message, no redraw, no record.
#pragma once
#include <vector>

#include "ImfStepDlg.h"
#include "imf_format.h"
#include "resource.h"

class ImfImportDlg : public ImfStepDlg {
 public:
  enum { IDD = IDD_IMF_IMPORT };
  ImfImportDlg(const WCHAR* folder, const WCHAR* name, CWnd* pParent = NULL);
  ~ImfImportDlg() override;

 protected:
  void RunStep() override;
  void CloseOpenFiles() override;

 private:
  void OpenIndex();
  void ReadIndexLine();
  void TakeIndexRecord(const ImfLine& line);
  void NameCardFile(LONG kind, const ImfLine& line);
  void SetBackgroundImage(const ImfLine& line);
  void MeasureCardFiles();
  void OpenCardFile();
  void StoreCardFileLine();
  void CloseCardFile();
  void Finish();
  void Fail(const CStringW& reason);
  LONG KindOfState() const;
  CStringW PathInFolder(const WCHAR* name) const;

  CStringW m_indexPath;
  CStringW m_folder;
  CStringW m_name;
  BOOL m_fileOpen = FALSE;
  CFile m_file;
  DWORD m_total = 0;
  DWORD m_done = 0;
  CStringW m_cardPaths[3];  // by kind - 1; empty when the index names none
  int m_state = 0;

  // What did not come in, for the end message.
  std::vector<CStringW> m_unreadFiles;
  int m_refusedLines = 0;
  int m_storedLines = 0;
};
