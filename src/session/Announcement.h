#pragma once

struct TServerConfig;

// Asks the server for the client announcement of the session just opened and
// shows it modally when the server says there is one. Errors of the exchange
// and error replies throw EResponseError.
void ShowClientAnnouncement(const TServerConfig& config);
