#pragma once

class QApplication;

// The program's look at start: a steel-blue palette under which the light
// captions of the layouts (#CDD5DE) stay readable.
void ApplyStartLook(QApplication& application);
