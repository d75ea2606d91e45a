#pragma once

class QWidget;

// Numerator of the common screen scale; the main menu sets it before any other screen exists.
extern int LarguraBase;

// Scales a screen, its controls and their fonts by numerator : denominator, rounding each
// value like a multiply-then-divide.
void scaleScreen(QWidget& screen, int numerator, int denominator);

// Gives a screen the common scale (LarguraBase : 1280) and a font size that suits the monitor.
void AjustaTela(QWidget& tela);

// The screen's own font size in points for a monitor of the given width.
int fontSizeForMonitor(int monitorWidth);
