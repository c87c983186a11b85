// message_ids.h - The ids of every message of the catalogue, by area.
//
// The core says what happened as a message id with its parameters; the catalogue holds each
// message's text in Japanese and in English (messages/texts/*.txt, messages/help/*.txt).
#pragma once

namespace gdf {

/// The messages of the catalogue.
enum class MessageId {
  // The system's own texts, the same in both languages.
  kConverting,
  kCompleted,
  kInvalidPath,
  kNoSourceFile,
  kCreateFolder,
  kBadDrive,
  kNoSetting,

  // The help texts: the command line's usage and each command's --help, and the window's. A
  // marker in them (@PATHS@, @SYSTEM_DIR@, @DRIVE@, @LANG_DEFAULT@, @EXAMPLES@) stands for the
  // words of the host below; the examples are commands, the same in both languages.
  kHelpUsage,          ///< gdfconv --help
  kHelpConvert,        ///< gdfconv convert --help
  kHelpCheck,          ///< gdfconv check --help
  kHelpBatch,          ///< gdfconv batch --help
  kHelpPreview,        ///< gdfconv preview --help
  kHelpTables,         ///< gdfconv tables --help
  kHelpWindowWindows,  ///< gdfconv-gui.exe --help, in a message box
  kHelpWindowPosix,    ///< gdfconv-gui --help
  kHelpConvertPathsPosix,
  kHelpConvertPathsWindows,
  kHelpCheckPathsPosix,
  kHelpCheckPathsWindows,
  kHelpBatchPathsPosix,
  kHelpBatchPathsWindows,
  kHelpSystemDirPosix,
  kHelpSystemDirWindows,
  kHelpDrivePosix,
  kHelpDriveWindows,
  kHelpLanguageDefaultPosix,
  kHelpLanguageDefaultWindows,
  kHelpConvertExamplesPosix,
  kHelpConvertExamplesWindows,
  kHelpCheckExamplesPosix,
  kHelpCheckExamplesWindows,
  kHelpBatchExamplesPosix,
  kHelpBatchExamplesWindows,
  kHelpPreviewExamplesPosix,
  kHelpPreviewExamplesWindows,
  kHelpTablesExamplesPosix,
  kHelpTablesExamplesWindows,

  // Why a target path was refused, and what to do.
  kPathChecked,           ///< {1} the text as given, {2} the drive path that was checked
  kPathNoDrive,           ///< the path does not begin with a drive letter and ":"
  kPathWildcard,          ///< {1} the wildcard character
  kPathBlank,             ///< {1} the folder name holding a blank
  kPathDriveNotMapped,    ///< {1} the drive letter
  kPathDriveNotReady,     ///< {1} the drive letter
  kPathDoubledSeparator,  ///< {1} the path up to the doubled "\"
  kPathLongBeforeDot,     ///< {1} the folder name
  kPathLongAfterDot,      ///< {1} the folder name
  kPathSecondDot,         ///< {1} the folder name
  kAdviceDriveOption,     ///< {1} a drive letter, {2} a host folder, {3} the target below it
  kAdviceDriveOptionAny,  ///< no host folder known to suggest
  kAdviceShortName,       ///< the window: choose a folder with a short name
  kAdviceHostPath,        ///< {1} the text that was taken as a drive path
  kAdviceMapDrive,        ///< {1} the drive letter
  kAdviceSubst,           ///< {1} a drive letter, {2} the host folder (quoted when it has blanks)
  kAdviceOtherName,       ///< {1} a folder name, {2} one the rules accept, {3} the target so

  // The source data file and the target folder.
  kSourceNotGiven,  ///< no source text at all
  kSourceMissing,   ///< {1} the path
  kSourceIsFolder,  ///< {1} the path
  kTargetIsFile,    ///< {1} the file in the way
  kFolderDeclined,  ///< the question was answered No
  kNoDriveHolds,    ///< {1} the host path

  // The pattern-data folder setting and the program folder.
  kSettingsFileMissing,        ///< {1} the settings file looked for
  kSettingsFileEmpty,          ///< {1} the settings file
  kSettingsFolderMissing,      ///< {1} the folder it names, {2} the settings file
  kSettingsFolderNoBackslash,  ///< {1} the folder it names, {2} the settings file
  kSettingsFileUtf8,           ///< {1} the settings file, {2} its second line read as UTF-8
  kSettingsHow,                ///< {1} the settings file
  kSettingsFirstLine,          ///< the first line of a settings file, as an example
  kSettingsSecondLine,         ///< {1} an example folder, as the second line
  kSettingsOrOption,           ///< the way round the settings file
  kPatternDirMissing,          ///< {1} the folder given with --pattern-dir
  kProgramFolderNotWritable,   ///< {1} the program folder, {2} the system's reason

  // How a failed run ended and what it left.
  kRunStopped,                 ///< {1} the stage
  kRunStoppedNoStage,          ///< no stage known
  kFailureFile,                ///< {1} the file
  kFailureLine,                ///< {1} the source line
  kFailureStage,               ///< {1} the stage, as a field of its own
  kFailureReason,              ///< {1} the reason, as a field of its own
  kUnknown,                    ///< a field that is not known
  kReasonWhere,                ///< {1} the reason, {2} the file (and line)
  kFileAtLine,                 ///< {1} the file, {2} the source line
  kNothingWritten,             ///< no file was written, no table changed
  kFilesWrittenBefore,         ///< {1} the number of files written or changed
  kWrittenFile,                ///< {1} the path, {2} its lines
  kChangedFileCreated,         ///< {1} the path of a file the run created
  kChangedFileGrown,           ///< {1} the path of a file the run added to
  kChangedFileReplaced,        ///< {1} the path of a file the run wrote over
  kChangedFileDeleted,         ///< {1} the path of a file the run removed
  kChangedFileIncomplete,      ///< {1} the path of a file being written at the stop
  kTableLinesAdded,            ///< {1} the number of lines
  kTableLinesAddedCount,       ///< {1} the number of lines, without the list
  kAddedTableLine,             ///< {1} the table, {2} the code, {3} the name
  kNoTableChanged,             ///< the tables of the pattern-data folder were not changed
  kMarkerCreated,              ///< {1} the marker file's path
  kPlainText,                  ///< {1} a text that has no entry of its own
  kAnsweredByYesOption,        ///< the folder question answered Yes by --yes
  kAnsweredNoWithoutTerminal,  ///< the folder question answered No: no terminal to ask

  // The health of a pattern-data folder: each finding, then what to do about it.
  kTableMissing,          ///< the table is not there
  kTableNotCp932,         ///< the line holds bytes that are not code page 932
  kTableBareLineEnd,      ///< the line ends with LF or CR alone
  kTablePartialLastLine,  ///< the last line has no line end
  kTableFieldCount,       ///< {1} fields found, {2} fields of a line
  kTableCodeOutOfRange,   ///< {1} the code, {2} the name
  kTableCodeTwice,        ///< {1} the code, {2} the name, {3} the other line, {4} its name
  kTableNameTwice,        ///< {1} the name, {2} the code, {3} the other line, {4} its code
  kTableAddedNotInMain,   ///< {1} the code, {2} the name
  kTableMainNotInAdded,   ///< {1} the code, {2} the name
  kTableWorkFileLeft,     ///< XKISHITU.TMP is there
  kTableMissingAdvice,
  kTableNotCp932Advice,
  kTableBareLineEndAdvice,
  kTablePartialLastLineAdvice,
  kTableFieldCountAdvice,  ///< {2} fields of a line
  kTableCodeOutOfRangeAdvice,
  kTableCodeTwiceAdvice,  ///< {1} the code, {3} the other line
  kTableNameTwiceAdvice,  ///< {2} the code, {4} the code the search finds
  kTableAddedNotInMainAdvice,
  kTableMainNotInAddedAdvice,  ///< {1} the code
  kTableWorkFileLeftAdvice,
  kTableAddedBy,   ///< {1} user, {2} computer, {3} time, {4} source, {5} log line
  kTablesSummary,  ///< {1} folder, {2} tables, {3} lines, {4} faults, {5} notes
  kTablesHealthy,
  kTablesLockHeldBy,  ///< {1} computer, {2} user, {3} since
  kTablesLockHeldOther,
  kTablesFault,     ///< the word before a fault
  kTablesNote,      ///< the word before a note
  kTablesWhatToDo,  ///< {1} the advice
  kTablesLogEmpty,  ///< the log holds no addition (since the date)
  kTablesLogCount,  ///< {1} additions listed

  // The dry run's plan.
  kDryRunNothingWritten,
  kDryRunWouldAsk,        ///< {1} the question
  kDryRunWouldEnd,        ///< {1} the completion text
  kDryRunWouldBeRefused,  ///< {1} the refusal
  kDryRunWouldFail,
  kDryRunBeforeFailure,
  kDryRunReadShared,          ///< the pattern-data folder was read under a shared lock
  kDryRunReadWithoutLock,     ///< {1} the lock file that the folder does not have
  kDryRunWouldCreateFolders,  ///< {1} how many, {2} the folders
  kFolderTarget,              ///< {1} the folder
  kFolderPatternData,         ///< {1} the folder
  kFolderProgram,             ///< {1} the folder
  kFolderOther,               ///< {1} the folder
  kFolderWouldBeCreated,
  kNoFiles,
  kPlanNew,           ///< {1} lines, {2} bytes
  kPlanReplaced,      ///< {1} lines now, {2} lines after, {3} bytes
  kPlanReplacedSame,  ///< {1} lines, {2} bytes
  kPlanGrows,         ///< {1} lines now, {2} lines after
  kPlanDeleted,
  kPlanLeftAlone,  ///< {1} lines

  // The batch's summary.
  kBatchAnsweredNo,
  kBatchFailed,
  kBatchAtLine,      ///< {1} the source line
  kStageThenReason,  ///< {1} the stage (and line), {2} the reason
  kBatchConverted,
  kBatchRefused,
  kBatchWrittenAndAdded,  ///< {1} files written, {2} table lines added
  kBatchResult,
  kBatchSource,
  kBatchTarget,
  kBatchReason,
  kBatchTally,        ///< {1} files, {2} converted, {3} refused, {4} failed, {5} time
  kBatchTallyDryRun,  ///< as kBatchTally

  // The command's summary after a run.
  kReportWrote,  ///< {1} the path, {2} lines
  kReportAdded,  ///< {1} the table, {2} the code, {3} the name

  // What a completed run says besides: it converted nothing, or left older record files.
  kRunWarning,            ///< {1} the command, {2} the warning
  kSourceHeldNoSection,   ///< no search found a tag line
  kRecordFileFromBefore,  ///< {1} the name of a record file that the run did not write

  // Why a run stopped.
  kOverflow16,             ///< {1} what overflowed
  kOverflowSingle,         ///< {1} the number
  kOverflowDouble,         ///< {1} the number
  kOverflowLeadingNumber,  ///< {1} the text
  kCannotWriteFile,        ///< {1} the system's reason
  kCannotReadFile,         ///< {1} the system's reason
  kFileTooLarge,
  kNotCodePage932,        ///< {1} the byte offset
  kUtf8Source,            ///< {1} the first line with a multi-byte character, {2} its text
  kReadPastEnd,           ///< {1} the last line of the file
  kCountIntoNextSection,  ///< {1} the tag, {2} its count, {3} the line, {4} that line's tag
  kSubscriptOutOfRange,
  kCannotCreateFolder,        ///< {1} the system's reason
  kPatternFolderBusy,         ///< {1} seconds waited
  kPatternFolderBusyHolder,   ///< {1} seconds waited, {2} computer, {3} user, {4} since (10:02)
  kPatternFolderCannotLock,   ///< {1} the folder, {2} the system's reason
  kPatternFolderLockAdvice,   ///< what to ask the administrator for a folder that cannot be locked
  kPatternFolderNoLockFile,   ///< {1} the folder, {2} the lock file, {3} the system's reason
  kPatternFolderWriteAdvice,  ///< what to ask the administrator for a folder that cannot be written
  kWaitingForHolder,          ///< {1} computer, {2} user, {3} since (10:02), {4} seconds at most
  kWaitingForOtherProgram,    ///< {1} seconds at most
  kCannotCreateNameTable,     ///< {1} the system's reason
  kCountBeyondRange,          ///< {1} the tag, {2} the count as written
  kTooManyLayers,             ///< {1} the number of named layers, {2} the most
  kTooManyRecords,            ///< {1} the number of records, {2} the most
  kTooManyNotes,              ///< {1} the number of notes, {2} the most
  kTooManyReadings,           ///< {1} the number of readings, {2} the most
  kDateWithoutSlash,          ///< {1} the record, {2} the date
  kValueNeedsQuotes,          ///< {1} the value, {2} the table
  kAddedNamesFull,            ///< {1} the name
  kTableCannotBeReplaced,     ///< {1} the system's reason
  kCannotCreateMarker,        ///< {1} the system's reason
  kCodeBeyond16,              ///< {1} the code, {2} its key (may be empty)
  kColumnTooManyEntries,      ///< {1} the column, {2} entries, {3} the most
  kValueBreaksTableLine,      ///< {1} a value that a name table line cannot hold as it stands

  // Why a file operation failed (FileFailure), as a parameter of the reasons above.
  kFileNoSuchFile,
  kFileNoSuchFolder,
  kFileNotAFolder,
  kFileIsAFolder,
  kFileExists,
  kFileNoSuchDrive,
  kFilePermissionDenied,
  kFileAccessDenied,
  kFileReadOnlyDrive,
  kFileWriteProtected,
  kFileDiskFull,
  kFileQuotaExceeded,
  kFileBeyondSizeLimit,
  kFileInputOutput,
  kFileBusy,
  kFileTooManyOpenFiles,
  kFileFolderNotEmpty,
  kFileInUse,
  kFileDriveNotReady,
  kFileNameNotAllowed,

  // What overflows the 16-bit range, as the parameter of kOverflow16.
  kWhatByteLength,
  kWhatCounter,
  kWhatNumber,
  kWhatNotANumber,
  kWhatTextLength,
  kWhatG71Length,
  kWhatG71Rate,
  kWhatMergedRows,

  // What a section's count counts, as a parameter of the check's findings.
  kUnitRecords,
  kUnitHeaderLines,
  kUnitTextLines,

  // What a check says of a source data file: its findings, and the words of its report.
  kCheckNotCp932From,          ///< {1} the byte offset
  kCheckNotCp932,              ///< the line holds bytes that are not CP932
  kCheckMoreNotCp932,          ///< {1} the lines not listed
  kCheckNoSection,             ///< no tag line of a converted section
  kCheckRunStopsHere,          ///< after a failure's reason
  kCheckNoCount,               ///< the tag line has no count
  kCheckCountNotNumber,        ///< {1} the count as written
  kCheckCountNegative,         ///< {1} the count as written
  kCheckCountNotWhole,         ///< {1} the count as written, {2} as the run takes it
  kCheckCountPastEnd,          ///< {1} the count, {2} what stands, {3} the unit
  kCheckCountIntoNextTag,      ///< as kCheckCountPastEnd, {4} the next tag at line {5}, {6} the tag
  kCheckCountIntoSection,      ///< as kCheckCountIntoNextTag, the tag line of a section
  kCheckSecondTag,             ///< {1} the tag, {2} the line of the first one
  kCheckUnknownTag,            ///< {1} what the line begins with
  kCheckLineUnreached,         ///< {1} the line
  kCheckLinesUnreached,        ///< {1} the first line, {2} the last
  kCheckLineBeyondCount,       ///< {1} the line, {2} the count of {3}, {4} what stands, {5} unit
  kCheckLinesBeyondCount,      ///< {1}..{2} the lines, then as kCheckLineBeyondCount
  kCheckNoSuchFile,            ///< the source does not exist
  kCheckIsFolder,              ///< the source is a folder
  kCheckCannotRead,            ///< {1} the system's reason
  kCheckDateWithoutSlash,      ///< {1} the date
  kCheckRecordNoDepth,         ///< {1} the record
  kCheckRecordDepthNotNumber,  ///< {1} the depth, {2} the record
  kCheckRecordNoDepthAsZero,   ///< {1} the record
  kCheckRecordDepthNotNumberAsZero,  ///< {1} the depth, {2} the record
  kCheckRangeMarkAlone,              ///< {1} the column
  kCheckValueCannotBeQuoted,         ///< {1} the value, {2} the table
  kCheckValueQuoted,                 ///< {1} the value, {2} the table
  kCheckLayerNameCannotBeQuoted,     ///< {1} the name
  kCheckLayerNameQuoted,             ///< {1} the name
  kCheckAttributeCannotBeQuoted,     ///< {1} the attribute
  kCheckAttributeQuoted,             ///< {1} the attribute
  kCheckNoteWithoutText,             ///< {1} the record
  kCheckSeriesDepthNotNumber,        ///< {1} the depth, {2} the series (1 or 2)
  kCheckSeriesDepthAbove,            ///< {1} the depth, {2} the series (1 or 2), {3} the line above
  kCheckDepthBeyondLastLine,         ///< {1} the depth
  kCheckRowWithoutDepth,             ///< values but no depth
  kCheckDepthNotNumber,              ///< {1} the depth
  kCheckSummary,                     ///< {1} sections, {2} errors, {3} warnings
  kCheckFilesSummary,                ///< {1} files, {2} errors, {3} warnings
  kCheckColumns,                     ///< the heading of the sections' table
  kCheckNotConverted,                ///< after a section that is not converted
  kCheckError,                       ///< the word before an error
  kCheckWarning,                     ///< the word before a warning

  // The stages of a run that are not a section's tag or a table's name.
  kStageSourceFile,     ///< reading the source data file
  kStageTargetFolder,   ///< creating the target folder
  kStagePatternFolder,  ///< taking the pattern-data folder

  // More of the command line.
  kSettingsLookedIn,               ///< {1} the settings file's name
  kSettingsLookedInAnyUser,        ///< {1} a folder looked in that any user may write
  kSettingsLookedInAdministrator,  ///< {1} a folder looked in that takes administrator rights
  kSettingsLookedInEnd,            ///< after the folders
  kRunWroteFiles,                  ///< {1} files written, {2} table lines added

  // The preview: its findings, the words of its picture and of a batch's page of pictures.
  kPreviewSourceLine,          ///< {1} the source line, {2} what check found there
  kPreviewHoldsNoLine,         ///< {1} the record file
  kPreviewDepthNotNumber,      ///< {1} the record file, {2} its line, {3} the depth, {4} metres
  kPreviewLayersOutOfOrder,    ///< {1} the record file, {2} its line, {3} the depth, {4} the one
                               ///< before it
  kPreviewDepthsNotAscending,  ///< as kPreviewLayersOutOfOrder
  kPreviewBelowLength,         ///< {1} the record file, {2} its line, {3} the depth, {4} metres
  kPreviewCannotReadBack,      ///< {1} the record file, {2} the system's reason
  kPreviewRefused,             ///< {1} the refusal in one line
  kPreviewFailed,              ///< {1} the failure in one line
  kPreviewNoTitles,            ///< the title files were not written
  kPreviewMoreFindings,        ///< {1} how many more findings without a depth
  kPreviewTableName,           ///< the legend of the bands
  kPreviewAddedName,
  kPreviewNewName,
  kPreviewNewTag,        ///< beside a layer name that the run adds to the tables
  kPreviewCut,           ///< {1} the depth at the foot of the page
  kPreviewFirstSeries,   ///< {1} the largest reading of the chart
  kPreviewSecondSeries,  ///< {1} the largest reading of the chart
  kPreviewPage,          ///< {1} the page, {2} of how many
  kPreviewHeadDepth,     ///< the heading of the depth axis
  kPreviewHeadX1,        ///< the headings of the columns: what each record file holds
  kPreviewHeadX3,
  kPreviewHeadR31,
  kPreviewHeadR32,
  kPreviewHeadR33,
  kPreviewHeadR34,
  kPreviewHeadR35,
  kPreviewHeadR30,
  kPreviewHeadN9,
  kPreviewHeadX5,
  kPreviewHeadX12,
  kPreviewHeadR41,
  kPreviewHeadN8,
  kPreviewHeadG71,
  kPreviewHeadG73,
  kPreviewHeadG81,
  kPreviewHeadR72,
  kPreviewFormSurvey,  ///< the labels of the title block's fields
  kPreviewFormProject,
  kPreviewFormSite,
  kPreviewFormClient,
  kPreviewFormContractor,
  kPreviewFormBoring,
  kPreviewFormElevation,
  kPreviewFormLength,
  kPreviewFormDiameter,
  kPreviewFormPeriod,
  kPreviewFormMachine,
  kPreviewIndexTitle,          ///< the heading of a batch's page of pictures
  kPreviewIndexTally,          ///< {1} files, {2} converted, {3} refused, {4} failed
  kPreviewIndexTallyDryRun,    ///< as kPreviewIndexTally
  kPreviewFindingsMarked,      ///< {1} the findings a picture marks
  kPreviewWrote,               ///< {1} the picture, {2} columns, {3} findings
  kPreviewWouldFail,           ///< {1} the failure in one line
  kPictureCannotBeWritten,     ///< {1} the picture file
  kPictureNotWrittenWhole,     ///< {1} the picture file
  kReportFileCannotBeWritten,  ///< {1} the report file
  kReportFileNotWrittenWhole,  ///< {1} the report file
  kBatchTargetRootMissing,     ///< {1} the target root as given

  // Usage errors of the command line.
  kUsageSeeHelp,           ///< {1} the program and command, "gdfconv convert"
  kUsageUnknownCommand,    ///< {1} the command as given
  kUsageUnknownOption,     ///< {1} the option as given
  kUsageNeedsValue,        ///< {1} the option
  kUsageNeedsFileName,     ///< {1} the option
  kUsageLanguage,          ///< --lang without ja or en
  kUsageLockWait,          ///< --lock-wait without seconds in range; {1} the most
  kUsageDrive,             ///< --drive without LETTER=FOLDER
  kUsageSourceAndTarget,   ///< convert without SOURCE and TARGET
  kUsageOneSource,         ///< preview without one SOURCE
  kUsageWindowOneSource,   ///< a window given more than one path
  kStartedFromExplorer,    ///< gdfconv.exe without arguments in a console of its own
  kUsageSomeSource,        ///< no SOURCE at all
  kUsageOutput,            ///< preview without -o
  kUsageTargetRootOrList,  ///< batch without one of --target-root and --list
  kUsageListAndSources,    ///< batch with --list and sources besides
  kUsageNoSourceInFolders,
  kUsageSameStem,         ///< {1} and {2} the sources, {3} the folder both would go into
  kUsageListUnreadable,   ///< {1} the list file
  kUsageListLineNotPair,  ///< {1} the list file, {2} the line, {3} its text
  kUsageListEmpty,        ///< {1} the list file
  kUsagePreviewFolder,    ///< {1} the folder
  kUsageFormat,           ///< --format without text or json
  kUsageSince,            ///< --since without a date YYYY-MM-DD
  kUsageScale,            ///< --scale without 1:100 or 1:200

  kCount  ///< the number of messages, not a message

};

}  // namespace gdf
