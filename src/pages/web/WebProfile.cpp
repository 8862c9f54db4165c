#include "pages/web/WebProfile.h"

#include "pages/web/WebScheme.h"

#include <QFile>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

namespace {

// Runs in the script world of the program in every page and frame, before the page's own scripts.
// Capture-phase listeners see each click and submission first, take the address as written in the
// page and hand it to the pane, which decides what happens.
const char kReportScript[] = R"JS(
(function () {
  'use strict';
  if (window.__velomarSend) return;
  var queue = [], bridge = null;
  function deliver(msg) {
    if (bridge) bridge.report(JSON.stringify(msg)); else queue.push(msg);
  }
  function send(msg) {
    if (typeof qt !== 'undefined' && qt.webChannelTransport) { deliver(msg); return; }
    try { if (window.top !== window && window.top.__velomarSend) { window.top.__velomarSend(msg); return; } }
    catch (e) {}
    deliver(msg);
  }
  window.__velomarSend = send;
  if (typeof qt !== 'undefined' && qt.webChannelTransport) {
    new QWebChannel(qt.webChannelTransport, function (channel) {
      bridge = channel.objects.velomarBridge;
      queue.splice(0).forEach(function (m) { bridge.report(JSON.stringify(m)); });
    });
  }
  function anchorOf(e) {
    var path = e.composedPath ? e.composedPath() : [e.target];
    for (var i = 0; i < path.length; i++) {
      var n = path[i];
      if (n && n.nodeType === 1 && (n.localName === 'a' || n.localName === 'area') && n.hasAttribute('href'))
        return n;
    }
    return null;
  }
  function onClick(e) {
    if (e.type === 'click' && e.button !== 0) return;
    if (e.type === 'auxclick' && e.button !== 1) return;
    var a = anchorOf(e);
    if (!a) return;
    var href = a.getAttribute('href');
    if (/^\s*javascript:/i.test(href) || href.charAt(0) === '#') return;
    e.preventDefault();
    send({kind: 'link', url: href, resolved: a.href, body: ''});
  }
  window.addEventListener('click', onClick, true);
  window.addEventListener('auxclick', onClick, true);
  function encodeEntry(form, name, value) {
    if (typeof value !== 'string') value = value.name;
    var raw = false;
    try { raw = !!form.querySelector('[name="' + CSS.escape(name) + '"][data-escaped]'); } catch (e) {}
    if (raw) return new URLSearchParams([[name, '']]).toString() + value;
    return new URLSearchParams([[name, value]]).toString();
  }
  window.addEventListener('submit', function (e) {
    var form = e.target;
    if (!form || form.localName !== 'form') return;
    var submitter = e.submitter || null;
    e.preventDefault();
    // The form's own submit handlers run after this listener; read the fields once they are done.
    setTimeout(function () {
      var parts = [];
      new FormData(form).forEach(function (v, k) { parts.push(encodeEntry(form, k, v)); });
      if (submitter && submitter.name) parts.push(encodeEntry(form, submitter.name, submitter.value));
      var body = parts.join('&');
      var action = form.getAttribute('action') || '';
      var resolved = form.action;
      if ((form.getAttribute('method') || 'get').toLowerCase() === 'post') {
        send({kind: 'form', url: action, resolved: resolved, body: body});
      } else {
        var base = action.split('?')[0], rbase = resolved.split('?')[0];
        send({kind: 'link', url: base + '?' + body, resolved: rbase + '?' + body, body: ''});
      }
    }, 0);
  }, true);
})();
)JS";

QString ChannelLibrary() {
    QFile file(QStringLiteral(":/qtwebchannel/qwebchannel.js"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

} // namespace

WebProfile::WebProfile(const QString& programFolder, QObject* parent)
    : QObject(parent), profile_(new QWebEngineProfile(this)),
      scheme_(new WebSchemeHandler(programFolder, this)) {
    profile_->installUrlSchemeHandler(webscheme::kScheme, scheme_);
    profile_->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    QWebEngineScript script;
    script.setName(QStringLiteral("velomar-report"));
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setRunsOnSubFrames(true);
    script.setSourceCode(ChannelLibrary() + QLatin1Char('\n') + QString::fromUtf8(kReportScript));
    profile_->scripts()->insert(script);
}

WebProfile::~WebProfile() {
    // The handler must outlive the profile's use of it.
    profile_->removeAllUrlSchemeHandlers();
}
