#include "catalogue/uAddORG.h"
#include "catalogue/uNormativDOC.h"
#include "pages/web/WebPane.h"
#include "pages/web/WebScheme.h"
#include "shell/uApplication.h"
#include "shell/uMain.h"
#include "shell/uMainCore.h"
#include "shell/uPrompts.h"
#include "shell/uStartTimer.h"
#include "shell/uUpdateOffer.h"
#include "tools/uListCSV.h"
#include "tools/uSQL.h"
#include "updater/uUpdate.h"

#include <QSettings>

int main(int argc, char** argv) {
    StartTimer startTimer;
    webscheme::Register();
    // WebEngine shares its GL contexts with the widgets; this must be set before the application exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    VelomarApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Velomar"));
    QCoreApplication::setApplicationName(QStringLiteral("Velomar"));

    QSettings settings;
    QtPrompts prompts;
    MainCore core({QCoreApplication::applicationDirPath() + QLatin1Char('/'),
                   CommandLine::FromProcess(argc, argv),
                   &settings,
                   &prompts,
                   {}});
    app.SetLog(&core.Logger());

    TfMain fMain(core);
    prompts.SetParent(&fMain);
    startTimer.Watch(*fMain.WebBrowser(), core.Logger());
    fMain.FormCreate();
    TfCatalogORG fCatalogORG(&fMain);
    TfSQL fSQL(&fMain);
    TfNormativDOC fNormativDOC(&fMain);
    TfListCSV fListCSV(&fMain);
    TfUpdate fUpdate(&fMain);
    DialogUpdateOffer updateOffer(fUpdate);
    fMain.SetUpdateOffer(&updateOffer);

    fMain.showMaximized();
    return app.exec();
}
