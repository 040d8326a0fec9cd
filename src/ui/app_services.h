#pragma once
// The platform services a window program needs: message boxes and the file dialogs. The
// program passes the real ones, tests pass recording fakes.

namespace spanlyx {

class Prompter;
class FileDialogs;

struct AppServices {
    Prompter& prompter;
    FileDialogs& dialogs;
};

}  // namespace spanlyx
