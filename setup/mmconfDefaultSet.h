// CmmconfDefaultSet: the defaults page of the start window. It edits the user's conference
// defaults (subject, maximum members, duration, remaining-time notice, three passwords), which
// the module keeps in its ConfDefaultData record and in the per-user file "mmc_dfs.dat" as the
// hexadecimal form of a small tagged text; the create and book pages take their starting
// values from them.
#pragma once

#include "platform/CString.h"
#include "setup/SetupIds.h"
#include "setup/SetupPage.h"

struct ConfDefaultData;

class CmmconfDefaultSet : public CSetupPage {
 public:
  explicit CmmconfDefaultSet(CWnd* pParent = nullptr);

  // Writes the module's record to "mmc_dfs.dat", replacing the old file only once the new one
  // is whole; a file that could not be read is first set aside ("mmc_dfs.dat.damaged"). FALSE,
  // and nothing written, when the record was never loaded (LoadDefaultRecord), the disk is
  // full or the write failed (the last good file stays).
  static BOOL SaveDefaultDataToFile();
  // The file's path ("mmc_dfs.dat") or its backup's ("mmc_dfs.bak").
  static CString DefaultsFilePath(BOOL bBackup = FALSE);
  // Brings the module's record to the user's defaults once, before anything shows, changes or
  // writes it: from the file (or its backup), else the user record's older copy, else the
  // built-in values; the last two are written to the file at once. FALSE when the built-in
  // values were taken just now (or there is no module); TRUE when the record was loaded before
  // or now holds stored defaults (or the built-in values standing in for a damaged file).
  static BOOL LoadDefaultRecord();
  // Reads the saved defaults (the file, else its backup) into the module's record unless it
  // holds them already; writes nothing. Whether the record now holds the user's defaults.
  static BOOL ReadSavedDefaults();
  // Reads the file into the module's record, or its backup "mmc_dfs.bak" when the file is
  // missing or damaged; FALSE (the record unchanged) when neither holds the defaults.
  BOOL LoadDefaultDataFromFile();
  // Brings the record up to date (LoadDefaultRecord) and shows it, and has the create and
  // book pages take the defaults.
  void LoadDefaultData();

  BOOL OnInitDialog() override;
  void OnOK() override;

  CString m_csChairPassword;
  CString m_csMemberPassword;
  int m_iDuration = 0;
  int m_iRemainNotice = 0;
  CString m_csSubject;
  CString m_csVisitorPassword;
  int m_iMaxMembers = 0;
  BOOL m_bLoaded = FALSE;

 protected:
  void DoDataExchange(CDataExchange* dx) override;

 private:
  static BOOL ReadDefaultRecord();
  static BOOL MigrateUserRecordDefaults();
  static void UseBuiltInDefaults();
  static CString BuiltInPassword();
  void ShowValues(const ConfDefaultData& d);
  void StoreMembersInRecord();
  void ResetSetupPages();
  CString FirstRefusal(int* focusId);
};
