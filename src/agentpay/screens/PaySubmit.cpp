#include "agentpay/screens/PaySubmit.h"

#include <optional>

#include "agentpay/online/Pay661Outcome.h"
#include "agentpay/online/PayExchange.h"
#include "agentpay/online/PayLists.h"
#include "agentpay/online/PayOutcome.h"
#include "agentpay/online/PayPoll.h"
#include "agentpay/online/PayUpload.h"
#include "agentpay/screens/fmDfdkqr.h"
#include "agentpay/screens/fmPayWait.h"
#include "core/SessionControl.h"
#include "platform/errors/ClerkError.h"
#include "platform/prompts/Prompts.h"
#include "session/transport/GetData.h"

namespace {

void ConfirmN17(TPrompts& prompts, TSessionControl& session, QWidget& parent,
                const TQueryFileResultResult& upload) {
  TfmDfdkqr* shown = nullptr;
  const auto confirm = [&](const TSecretBytes& password,
                           const TPayReviewer* reviewer) -> std::optional<QString> {
    pugi::xml_document reply;
    {
      const TSecretBytes body = ConfirmN17Body(session.User(), upload, password, reviewer);
      reply = PostPayForm(session.User(), session.Server(), body.View());
    }
    const pugi::xml_node root = ReplyRoot(reply);
    if (OptionalText(root, "PROCESS_FLAG") != u"1")
      return N17SuccessText(upload.TRAN_TYPE, ReadResult(root).VchID);
    TDocumentPoll poll(ResultRequestOf(upload, root));
    TfmPayWait wait(prompts, session, poll, TPayWaitTexts::Document(), shown);
    if (prompts.RunModal(wait) != QDialog::Accepted) return std::nullopt;
    return N17SuccessText(upload.TRAN_TYPE, poll.Result().VchID);
  };
  TfmDfdkqr dialog(prompts, confirm, &parent);
  shown = &dialog;
  dialog.ShowN17(upload);
  prompts.RunModal(dialog);
}

void AnswerN17Upload(TPrompts& prompts, TSessionControl& session, QWidget& parent,
                     const pugi::xml_node& root) {
  if (OptionalText(root, "PROCESS_FLAG") != u"1") {
    if (OptionalText(root, "FILE_ERROR") == u"1") {
      prompts.Error(TPrompts::kSystemCaption, FileErrorText());
      return;
    }
    ConfirmN17(prompts, session, parent, ReadFileResult(root));
    return;
  }
  TFilePoll poll(ReadFileRequest(root));
  TfmPayWait wait(prompts, session, poll, TPayWaitTexts::File(), &parent);
  if (prompts.RunModal(wait) == QDialog::Accepted)
    ConfirmN17(prompts, session, parent, poll.Result());
}

void Answer661Upload(TPrompts& prompts, TSessionControl& session, QWidget& parent,
                     const pugi::xml_node& root, const TPaySubmission& choice) {
  const TPay661Upload upload = Read661Upload(root);
  const bool collect = choice.Mode == TPayMode::Collect;
  const auto confirm = [&](const TSecretBytes& password,
                           const TPayReviewer* reviewer) -> std::optional<QString> {
    pugi::xml_document reply;
    {
      const TSecretBytes body = Confirm661Body(session.User(), upload,
                                               collect ? QStringLiteral("1") : QStringLiteral("0"),
                                               choice.Item.ItemEctip, reviewer, password);
      reply = PostPayForm(session.User(), session.Server(), body.View());
    }
    return Success661Text(ReplyRoot(reply));
  };
  TfmDfdkqr dialog(prompts, confirm, &parent);
  try {
    TakeSessionFields(root, session.User());
    dialog.Show661(upload, collect);
  } catch (const TClerkError& e) {
    prompts.Error(TPrompts::kErrorCaption, QStringLiteral("加载失败，") + e.Message());
    return;
  }
  prompts.RunModal(dialog);
}

}  // namespace

void AnswerPayUpload(TPrompts& prompts, TSessionControl& session, QWidget& parent,
                     const pugi::xml_node& uploadReply, const TPaySubmission& choice) {
  if (UsesN17(session.User()))
    AnswerN17Upload(prompts, session, parent, uploadReply);
  else
    Answer661Upload(prompts, session, parent, uploadReply, choice);
}
