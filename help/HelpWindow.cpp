// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/HelpWindow.h"

#include "ui/Zoom.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Wellgrat – Hilfe"));
    setModal(false);
    browser_->setObjectName(QStringLiteral("HelpText"));
    browser_->setOpenLinks(false);
    browser_->setAccessibleName(QStringLiteral("Hilfe"));
    QFile guide(QStringLiteral(":/help/hilfe.html"));
    if (guide.open(QIODevice::ReadOnly))
        browser_->setHtml(QString::fromUtf8(guide.readAll()));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Schließen"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(browser_);
    layout->addWidget(buttons);
    ui::resizeWithZoom(this, QSize(460, 540));
}

void installHelpKey(QWidget* form)
{
    auto* key = new QShortcut(QKeySequence(Qt::Key_F1), form);
    key->setObjectName(QStringLiteral("HelpKey"));
    QObject::connect(key, &QShortcut::activated, form, [form] { openGuide(form); });
}

void openGuide(QWidget* form)
{
    auto* help = form->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!help) {
        help = new HelpWindow(form);
        // Beside the main window where the screen has room, so both stay in view.
        const QRect window = form->frameGeometry();
        const QRect screen = form->screen()->availableGeometry();
        if (window.right() + 8 + help->width() <= screen.right())
            help->move(window.right() + 8, window.top());
    }
    help->show();
    help->raise();
    help->activateWindow();
}
