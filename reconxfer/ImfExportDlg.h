// The export's progress dialog: writes the registered cards of the map
// database, one card record per tick of the 100 ms step timer (ImfStepDlg),
// as an interchange set, and reports how the export ended.
//
// Steps (m_state): 0 create the nine CSV files (nothing to read: straight to
// 4); 1 write the lines of the next card record (2 after the last); 2 close
// the files and delete those without lines; 3 write the index file naming
// the files with lines (none is kept when no card file has a line); 4 finish.
//
// Ends:
// - completed: "書き出しが終了しました。";
// - completed with gaps: registered cards whose point, lines of sight or
//   photos could not be read (or whose kind has no file) are counted, and a
//   warning gives their number instead of the message above;
// - failed: a file that cannot be created or written (a full storage card):
//   nothing of the export is left (the nine files and the index file are
//   deleted, as for a cancel) and an error message says so; a map database
//   that holds cards but cannot be walked fails the export before any file
//   is touched;
// - cancelled by "中止" (or any cancel command) between two steps: every file
//   of the set is deleted, files of an earlier export with the same names too.
#pragma once
#include "ImfStepDlg.h"
#include "imf_format.h"
#include "resource.h"

class ImfExportDlg : public ImfStepDlg {
 public:
  enum { IDD = IDD_IMF_EXPORT };
  ImfExportDlg(const WCHAR* folder, const WCHAR* name, CWnd* pParent = NULL);
  ~ImfExportDlg() override;

 protected:
  BOOL OnInitDialog() override;
  void OnCancel() override;
  void RunStep() override;
  void CloseOpenFiles() override;

 private:
  void CreateFiles();
  void WriteNextCard();
  bool WriteLine(int file, const CStringA& line);
  void CloseFiles();
  void WriteIndex();
  void Finish();
  void Fail(const CStringW& reason);
  void RemoveAllFiles();
  CStringW PathOf(int file) const;

  CStringW m_indexPath;
  CStringW m_folder;
  CStringW m_name;
  CStringW m_fileNames[IMF_FILE_COUNT];
  BOOL m_filesTouched = FALSE;  // state 0 began creating (and so emptying) the set's files
  BOOL m_open[IMF_FILE_COUNT] = {};
  CFile m_files[IMF_FILE_COUNT];
  int m_lineCounts[IMF_FILE_COUNT] = {};
  int m_state = 0;
  int m_total = 0;
  int m_done = 0;
  int m_cardsLeftOut = 0;
};
