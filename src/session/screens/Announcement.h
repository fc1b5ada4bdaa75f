#pragma once

class QWidget;
class TPrompts;
struct TServerConfig;
struct TUSER;

// Asks the server for the client announcement of the session just opened and
// shows it modally when the server says there is one. Errors of the exchange
// and error replies throw EResponseError.
void ShowClientAnnouncement(const TServerConfig& config, const TUSER& user, TPrompts& prompts,
                            QWidget* parent);
