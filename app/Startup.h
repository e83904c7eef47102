#pragma once

#include <QObject>

class TFormMainQuimbel;
class TDataModuleQuimbel;

// The objects the program creates once at start-up, in their order, all owned by the application.
struct TQuimbelsObjects {
    TFormMainQuimbel* FormMainQuimbel = nullptr;
    TDataModuleQuimbel* DataModule = nullptr;
};

// Creates the windows and the data module; an error escaping the creation is shown once and
// what was created is destroyed again. Returns whether everything was created.
bool CreateQuimbelsObjects(QObject* owner, TQuimbelsObjects& objects);

// The whole run of the program: single instance, creation, event loop. Always returns 0.
int RunQuimbels(int argc, char** argv);
