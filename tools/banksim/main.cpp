// banksim [--port N] [--data FILE | --demo] [--control] [--verbose]
#include <QString>
#include <cstdio>
#include <exception>
#include <memory>
#include <optional>

#include "SimData.h"
#include "SimServer.h"

namespace {

struct TOptions {
  int Port = 0;
  QString DataFile;
  bool Demo = false;
  bool Control = false;  // tests only: the control interface and the request log
  bool Verbose = false;
};

std::optional<TOptions> ParseArguments(int argc, char** argv) {
  TOptions options;
  for (int i = 1; i < argc; ++i) {
    const QByteArray argument(argv[i]);
    const bool hasValue = i + 1 < argc;
    if (argument == "--port" && hasValue) {
      bool ok = false;
      options.Port = QByteArray(argv[++i]).toInt(&ok);
      if (!ok || options.Port < 0 || options.Port > 65535) return std::nullopt;
    } else if (argument == "--data" && hasValue) {
      options.DataFile = QString::fromLocal8Bit(argv[++i]);
    } else if (argument == "--demo") {
      options.Demo = true;
    } else if (argument == "--control") {
      options.Control = true;
    } else if (argument == "--verbose") {
      options.Verbose = true;
    } else {
      return std::nullopt;
    }
  }
  if (options.Demo == !options.DataFile.isEmpty()) return std::nullopt;
  return options;
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<TOptions> options = ParseArguments(argc, argv);
  if (!options) {
    std::fprintf(stderr,
                 "usage: banksim [--port N] [--data FILE | --demo] [--control] [--verbose]\n");
    return 2;
  }
  std::unique_ptr<TSimServer> server;
  try {
    server =
        std::make_unique<TSimServer>(options->Demo ? DemoSimData() : LoadSimData(options->DataFile),
                                     options->Verbose, options->Control);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "banksim: %s\n", e.what());
    return 1;
  }
  const int port = server->Bind(options->Port);
  if (port <= 0) {
    std::fprintf(stderr, "banksim: cannot listen on 127.0.0.1:%d\n", options->Port);
    return 1;
  }
  std::printf("banksim listening on 127.0.0.1:%d\n", port);
  std::fflush(stdout);
  return server->Listen() ? 0 : 1;
}
