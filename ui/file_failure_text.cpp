#include "ui/file_failure_text.h"

#include "core/command_text.h"
#include "res/load_string.h"

QString FileFailureText(const QString& answerWord, bool forSave)
{
    const std::string word = answerWord.toStdString();
    if (word == answer::kCannotOpenFile) {
        return LoadString(forSave ? ids::kFileCannotWrite : ids::kFileCannotRead);
    }
    if (word == answer::kFormatError) {
        return LoadString(ids::kFileFormatError);
    }
    if (word == answer::kDataOverflow) {
        return LoadString(ids::kFileDataOverflow);
    }
    if (word == answer::kMismatchModel) {
        return LoadString(ids::kFileMismatchModel);
    }
    if (word == answer::kMismatchRevision) {
        return LoadString(ids::kFileMismatchRevision);
    }
    if (word == answer::kNotEnoughData) {
        return LoadString(ids::kFileNotEnoughData);
    }
    return LoadString(ids::kFileOtherError).arg(answerWord);
}
