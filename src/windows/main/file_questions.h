// The questions the file actions ask the user: whether to save unsaved changes, and which file.
// Tests put their own answers in place, so that nothing waits for a person.
#pragma once

#include <QString>
#include <functional>

#include "document/file_stamp.h"

enum class TUnsavedAnswer { Save, Discard, Cancel };
enum class TFileUse { Open, Save };
// Before a save over a file that another program changed.
enum class TChangedFileAnswer { Overwrite, SaveAs, Cancel };

using TUnsavedQuestion = std::function<TUnsavedAnswer(const QString& designName)>;
// Returns the chosen file, or an empty text when the user gave up.
using TFileNameQuestion = std::function<QString(TFileUse use, const QString& current)>;

using TChangedFileQuestion = std::function<TChangedFileAnswer(const QString& designName)>;
// Whether to open the file again; `question` says whether unsaved work would go with it.
using TReloadQuestion = std::function<bool(TFileQuestion question, const QString& designName)>;

// Each installs a new way to ask and returns the one it replaces.
TUnsavedQuestion SetUnsavedQuestion(TUnsavedQuestion question);
TFileNameQuestion SetFileNameQuestion(TFileNameQuestion question);
TChangedFileQuestion SetChangedFileQuestion(TChangedFileQuestion question);
TReloadQuestion SetReloadQuestion(TReloadQuestion question);

TUnsavedAnswer AskAboutUnsavedChanges(const QString& designName);
QString AskForFileName(TFileUse use, const QString& current);
TChangedFileAnswer AskAboutChangedFile(const QString& designName);
bool AskAboutReloading(TFileQuestion question, const QString& designName);
