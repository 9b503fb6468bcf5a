#pragma once

namespace songtao {

struct AppState;
class Clock;
class Dialogs;
class PasswordFile;

// What the pages of the main window work with. One set for the whole run;
// a page keeps the reference, never a copy.
struct PageServices
{
    AppState &state;
    Dialogs &dialogs;
    Clock &clock;
    PasswordFile &passwordFile;
};

} // namespace songtao
