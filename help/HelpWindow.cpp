// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/HelpWindow.h"

#include "ui/Commands.h"
#include "ui/Zoom.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget* mainWindow) : ui::SideWindow(mainWindow), browser_(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Wellgrat – Hilfe"));
    browser_->setObjectName(QStringLiteral("HelpText"));
    browser_->setOpenLinks(false);
    browser_->setAccessibleName(QStringLiteral("Hilfe"));
    QFile guide(QStringLiteral(":/help/hilfe.html"));
    if (guide.open(QIODevice::ReadOnly))
        browser_->setHtml(QString::fromUtf8(guide.readAll()));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Schließen"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(browser_);
    layout->addWidget(buttons);
    ui::resizeWithZoom(this, QSize(460, 540));
}

void installGuide(Commands& commands, QWidget* form)
{
    commands.add(Commands::Group::Windows, QStringLiteral("helpAction"), QStringLiteral("Hilfe …"),
                 {QKeySequence(Qt::Key_F1)}, [form] { openGuide(form); });
}

void openGuide(QWidget* form)
{
    auto* help = form->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!help)
        help = new HelpWindow(form);
    help->open();
}
