// The questions the file actions ask the user: whether to save unsaved changes, and which file.
// Tests put their own answers in place, so that nothing waits for a person.
#pragma once

#include <QString>
#include <functional>

enum class TUnsavedAnswer { Save, Discard, Cancel };
enum class TFileUse { Open, Save };

using TUnsavedQuestion = std::function<TUnsavedAnswer(const QString& designName)>;
// Returns the chosen file, or an empty text when the user gave up.
using TFileNameQuestion = std::function<QString(TFileUse use, const QString& current)>;

// Each installs a new way to ask and returns the one it replaces.
TUnsavedQuestion SetUnsavedQuestion(TUnsavedQuestion question);
TFileNameQuestion SetFileNameQuestion(TFileNameQuestion question);

TUnsavedAnswer AskAboutUnsavedChanges(const QString& designName);
QString AskForFileName(TFileUse use, const QString& current);
