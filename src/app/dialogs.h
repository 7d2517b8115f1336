#pragma once

class Application;

/// Lets the main menu open the clock list editor, the city editor and the options dialog.
void registerDialogs(Application &app);
