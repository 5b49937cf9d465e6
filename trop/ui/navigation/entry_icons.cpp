#include "entry_icons.h"

#include <QPixmap>
#include <QStyle>

namespace trop {

namespace {

QStyle::StandardPixmap standardPixmapFor(EntryIcon icon)
{
    switch (icon) {
    case EntryIcon::Add:
        return QStyle::SP_FileDialogNewFolder;
    case EntryIcon::Competition:
        return QStyle::SP_DirIcon;
    case EntryIcon::Category:
        return QStyle::SP_DirLinkIcon;
    case EntryIcon::Participants:
        return QStyle::SP_FileDialogContentsView;
    case EntryIcon::OverallResults:
        return QStyle::SP_FileDialogDetailedView;
    case EntryIcon::Stage:
        return QStyle::SP_DirOpenIcon;
    case EntryIcon::StartList:
        return QStyle::SP_FileDialogListView;
    case EntryIcon::RouteDefinition:
        return QStyle::SP_DriveNetIcon;
    case EntryIcon::StartCards:
        return QStyle::SP_FileIcon;
    case EntryIcon::StageResults:
        return QStyle::SP_FileDialogInfoView;
    case EntryIcon::FinishOrder:
        return QStyle::SP_BrowserReload;
    }
    return QStyle::SP_FileIcon;
}

} // namespace

QIcon entryIcon(const QStyle& style, EntryIcon icon)
{
    // Some styles draw folders at 16 pixels only; the lists want 32.
    const QSize size(32, 32);
    QPixmap pixmap = style.standardIcon(standardPixmapFor(icon)).pixmap(size);
    if (!pixmap.isNull() && pixmap.size() != size)
        pixmap = pixmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return QIcon(pixmap);
}

} // namespace trop
