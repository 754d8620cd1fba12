// The host application Darvik: the command line, the application object and
// its start and end.
//
//   darvik [--device DIR] [--dump | --script FILE | --web PORT]
//
// --device DIR makes DIR the device folder (default: the platform's,
// $XDG_DATA_HOME/recon-device or ~/.local/share/recon-device); the standard
// folders are created when missing. The map database is kMapDatabasePath,
// created empty when missing (the interactive host runs with an empty map
// when it cannot be opened). --dump prints the map database (map_dump.h)
// to standard output and exits; --script FILE runs the scenario FILE on the
// headless desktop (script_runner.h), prints its transcript and exits with
// its result; --web PORT runs the application with the browser display
// (plat/web_display.h) on 127.0.0.1:PORT (0: a free port), on a screen of
// 240 x 320 pixels, 240 x 400 when IsR7, and prints "web display: <URL>"
// with the page's token on standard output once it listens; otherwise the
// application runs without a display. Either runs until its main window is
// closed. Results: 0 done, 1 the device folder or the map could not be
// opened (or the script could not be read or failed, or the port could not
// be bound), 2 a bad command line.
#pragma once
#include <windows.h>

#include <iosfwd>
#include <string>

namespace darvik {

struct HostOptions {
  std::string deviceFolder;  // empty: the default
  bool dump = false;
  std::string script;        // empty: none
  int webPort = -1;          // -1: no browser display
};

// The screen of the device: 240 x 320 pixels, 240 x 400 on the model with
// the taller screen.
SIZE DeviceScreenSize(bool tallerScreen);

// False, with a message on errors, for a bad command line.
bool ParseCommandLine(int argc, char** argv, HostOptions* options, std::ostream& errors);
// Prepares the device folder of the options. False when it cannot be made.
bool OpenDevice(const HostOptions& options);
// Runs the application on the calling thread, which becomes its user-interface
// thread, until the main window goes (or WM_QUIT arrives); the device must be
// open. The map database is opened at the start and closed at the end.
int RunHost();
// The whole program.
int DarvikMain(int argc, char** argv);

}  // namespace darvik
