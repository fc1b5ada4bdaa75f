#pragma once

#include <pugixml.hpp>

class QWidget;
class TPrompts;
class TSessionControl;
struct TPaySubmission;

// Leads an uploaded salary or collection file on from the bank's answer to the
// upload: the wait while the bank processes the file where it asks for one,
// the confirmation with the transaction password and the reviewer, the wait
// for the document, and the success message. What the bank or the transport
// refuses is shown and ends the submission; the upload then waits at the bank
// unconfirmed.
void AnswerPayUpload(TPrompts& prompts, TSessionControl& session, QWidget& parent,
                     const pugi::xml_node& uploadReply, const TPaySubmission& choice);
