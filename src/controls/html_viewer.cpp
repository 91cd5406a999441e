#include "controls/html_viewer.h"

#include <QDesktopServices>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <algorithm>
#include <functional>
#include <utility>

#include "app/qt_text.h"
#include "notice/addresses.h"

namespace quorvella {

// The page of the view: quiet when Silent is set, and new windows go to the desktop's browser.
class ViewerPage final : public QWebEnginePage {
 public:
  using QWebEnginePage::QWebEnginePage;
  bool silent = false;
  QString status;  // the address of the link under the mouse

 protected:
  QWebEnginePage* createWindow(WebWindowType) override {
    // A page of its own that hands its first address to the desktop and goes away.
    auto* outside = new QWebEnginePage(this);
    connect(outside, &QWebEnginePage::urlChanged, outside, [outside](const QUrl& url) {
      QDesktopServices::openUrl(url);
      outside->deleteLater();
    });
    return outside;
  }
  void javaScriptAlert(const QUrl& origin, const QString& message) override {
    if (!silent) QWebEnginePage::javaScriptAlert(origin, message);
  }
  bool javaScriptConfirm(const QUrl& origin, const QString& message) override {
    return silent ? false : QWebEnginePage::javaScriptConfirm(origin, message);
  }
  bool javaScriptPrompt(const QUrl& origin, const QString& message, const QString& value,
                        QString* result) override {
    return silent ? false : QWebEnginePage::javaScriptPrompt(origin, message, value, result);
  }
};

namespace {

// The box's own window: white until the page draws over it. It says when it is first painted,
// that is, when the window is on the screen.
class PageHost final : public QWidget {
 public:
  PageHost(QWidget* parent, std::function<void()> first_painted)
      : QWidget(parent), first_painted_(std::move(first_painted)) {}

 protected:
  void paintEvent(QPaintEvent* event) override {
    QWidget::paintEvent(event);
    if (first_painted_) QTimer::singleShot(0, this, std::exchange(first_painted_, nullptr));
  }

 private:
  std::function<void()> first_painted_;
};

// The text-size steps, smallest to largest; 2 is the page's own size.
constexpr double kZoomSteps[] = {0.7, 0.85, 1.0, 1.15, 1.3};

}  // namespace

HtmlViewer::HtmlViewer(QWidget* parent, const ControlRow&)
    // The web engine takes a good half second to start: the view is made once the window is
    // on the screen, so that the window never waits for it.
    : host_(new PageHost(parent, [this] { CreateView(); })) {
  host_->setAutoFillBackground(true);
  QPalette white = host_->palette();
  white.setColor(QPalette::Window, Qt::white);
  host_->setPalette(white);
  host_->setFocusPolicy(Qt::StrongFocus);
  address_ = SitePage();
}

void HtmlViewer::CreateView() {
  view_ = new QWebEngineView(host_);
  page_ = new ViewerPage(view_);
  page_->silent = silent_ != 0;
  view_->setPage(page_);
  QObject::connect(page_, &QWebEnginePage::linkHovered, page_,
                   [page = page_.data()](const QString& url) { page->status = url; });
  auto* layout = new QVBoxLayout(host_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_);
  const bool had_focus = host_->hasFocus();
  host_->setFocusProxy(view_);
  if (had_focus) view_->setFocus();
  view_->show();
  ApplyZoom();
  Navigate();
}

void HtmlViewer::ApplyZoom() {
  if (view_) view_->setZoomFactor(kZoomSteps[std::clamp(zoom_, 0, 4)]);
}

void HtmlViewer::Navigate() {
  if (!view_) return;
  view_->load(address_.empty() ? QUrl(QStringLiteral("about:blank")) : QUrl(ToQString(address_)));
}

PropertyValue HtmlViewer::Get(int32_t number) const {
  switch (number) {
    case 8:
      return zoom_;
    case 9:
      return offline_ != 0;
    case 10:
      return silent_ != 0;
    case 11:
      return view_ ? FromQString(view_->url().toString()) : address_;
    case 12:
      return page_ ? FromQString(page_->status) : Text();
    case 13:
      return view_ ? FromQString(view_->title()) : Text();
    default:
      return {};
  }
}

void HtmlViewer::Set(int32_t number, const PropertyValue& value) {
  switch (number) {
    case 8:
      zoom_ = std::clamp(AsInt(value), 0, 4);
      ApplyZoom();
      break;
    case 9:
      offline_ = AsInt(value);  // kept; this view has no cache-only mode
      break;
    case 10:
      silent_ = AsInt(value);
      if (page_) page_->silent = silent_ != 0;
      break;
    case 11:
      address_ = AsText(value);
      Navigate();
      break;
    default:
      break;
  }
}

}  // namespace quorvella
