#pragma once

#include <QObject>
#include <QString>

class QWebEngineProfile;
class WebSchemeHandler;

// The browser profile the panes share: in memory only, with the program's scheme handler and the
// injected script that reports link clicks and form submissions of every page and frame.
class WebProfile : public QObject {
    Q_OBJECT
public:
    // programFolder ends with '/'. The scheme must have been registered (webscheme::Register).
    explicit WebProfile(const QString& programFolder, QObject* parent = nullptr);
    ~WebProfile() override;

    QWebEngineProfile* Profile() const { return profile_; }
    WebSchemeHandler& Scheme() const { return *scheme_; }

private:
    QWebEngineProfile* profile_;
    WebSchemeHandler* scheme_;
};
