#include "import_run.h"

#include "item_list.h"
#include "messages.h"
#include "resource.h"
#include "tree_walk.h"

int HasText(WindowHandle owner, int controlId)
{
    return ReadFieldText(owner, controlId).empty() ? 0 : 1;
}

void ReportResult(WindowHandle owner, int outcome)
{
    if (outcome == 1) {
        ShowMessageBox(owner, kFinished, kFinished, kBoxOk);
        SetStatusText(kStatusSuccess);
    } else {
        ShowMessageBox(owner, kStoppedPartWay, kErrorCaption, kBoxError);
        SetStatusText(kStatusFailure);
    }
}

void RunImport(WindowHandle owner)
{
    if (!HasText(owner, IDC_TREEFILE) || !HasText(owner, IDC_DESTFOLDER)) {
        ShowMessageBox(owner, kFillBothFields, kErrorCaption, kBoxError);
        return;
    }
    const std::string treePath = ReadFieldText(owner, IDC_TREEFILE);
    const std::string destFolder = ReadFieldText(owner, IDC_DESTFOLDER);

    if (ImportTree(owner, treePath, destFolder) != 1) {
        ReportResult(owner, 0);
        return;
    }
    if (ShowMessageBox(owner, kRootQuestion, kRootQuestionCaption, kBoxQuestion) != kAnswerOk) {
        ReportResult(owner, 1);
        return;
    }
    const std::string rootList = GetParentFolder(treePath) + "\\Internet.WLS";
    ReportResult(owner, ConvertItemList(rootList, destFolder) ? 1 : 0);
}
