#pragma once

// Creates every screen of the game once, in start-up order, each creation step running as it
// is created; the first, the main menu, is the main window.
void CriaTelas();
// Destroys the screens; a match screen still alive saves the question bank.
void DestroiTelas();
