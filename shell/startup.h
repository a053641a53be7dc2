#pragma once

// The program's main sequence, its start-up steps and its finaliser. main() runs the run
// time's start, _Main, the finaliser and the run time's exit, in that order.

// Tells the desktop the program's entry and icon, runs _Startup through the layer's
// initialisation, then the event loop. The one exception handler of the program stands here:
// whatever escapes goes to the layer's default handling.
void _Main();

// Start-up, each step to its end before the next: the layer's external classes, its plug-in
// table, the file types, the application object, its menu handlers, the launcher.
void _Startup();
void _InitFileTypes();
void _NewAppInstance();
void _ApplicationAddMenuHandlers();
void _MakeDefaultView();

// Shut-down: releases the windows, the file types and the shared menu bar, in that order.
void _ModuleFinaliser();
