// What the main window does when it has been created and when the port-check button is
// clicked.
#pragma once

// The notice that the tool works only on the cloud server; returns once it is dismissed.
void showStartupNotice();

// Opens the port-check page with the program the shell has for it, on every click.
void openPortCheckPage();
