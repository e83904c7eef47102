#pragma once

#include <memory>

class TDataModuleQuimbel;
class TFormAboutDlg;
class TFormMainQuimbel;
class TFormReportBilan;
class TFormReportClient;
class TFormReportPeriod;
class TFormReportRoom;

// The objects the program creates once at start-up, in their order, living until it ends;
// they are destroyed in the reverse order.
struct TQuimbelsObjects {
    TQuimbelsObjects();
    ~TQuimbelsObjects();
    TQuimbelsObjects(const TQuimbelsObjects&) = delete;
    TQuimbelsObjects& operator=(const TQuimbelsObjects&) = delete;

    // Destroys whatever was created, the windows before the data module.
    void Release();

    std::unique_ptr<TFormMainQuimbel> FormMainQuimbel;
    std::unique_ptr<TFormReportClient> FormReportClient;
    std::unique_ptr<TFormReportRoom> FormReportRoom;
    std::unique_ptr<TFormReportPeriod> FormReportPeriod;
    std::unique_ptr<TDataModuleQuimbel> DataModule;
    std::unique_ptr<TFormAboutDlg> FormAboutDlg;
    std::unique_ptr<TFormReportBilan> FormReportBilan;
};

// Creates the windows and the data module in the program's order. An error escaping the
// creation is shown once, what was created is destroyed again, and false is returned.
bool CreateQuimbelsObjects(TQuimbelsObjects& objects);

// The whole run of the program: single instance, creation, event loop. Always returns 0.
int RunQuimbels(int argc, char** argv);
