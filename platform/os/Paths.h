#pragma once

#include <string>
#include <vector>

// Where the Windows places are on Linux.  Each can be overridden through the environment,
// which the tests use.  Folders are returned with their closing "/".
namespace os {

// The running program's folder ($ZOMEL_APPDIR, else the executable's folder): the data files
// lie here.
std::string ProgramFolder();

// Where "Veldo.ini" is looked for ($ZOMEL_WINDIR, else the per-user config folder).
std::string WindowsFolder();

// ${XDG_CONFIG_HOME:-$HOME/.config}/zomelbuilder/: per-user settings and the class registry.
std::string ConfigFolder();

// The temporary folder: $TMPDIR when it is a folder of this user's that no other user may
// write; in one that others may write (the shared /tmp, say), a folder of this user's own in it,
// $TMPDIR/zomelbuilder-<uid>/; else a folder of the user's own that lasts across runs,
// ${XDG_CACHE_HOME:-$HOME/.cache}/zomelbuilder/, else /tmp/zomelbuilder-<uid>/ (each made with
// mode 0700 and passed over when it is a link or not a folder of this user), else a fresh
// folder for the run.  When $TMPDIR is set but passed over, `passedOver` gets a sentence naming
// it, the cause and the folder taken instead.  Chosen once for the environment the run has.
std::string TempFolder(std::string* passedOver = nullptr);

// ${XDG_DOCUMENTS_DIR:-$HOME/Documents}/ZomelBuilder/: where the program saves what a person
// asked for (printouts without a printer, saved pictures); made on first use.
std::string SaveFolder();

// Where the program writes its documents (the specifications, the estimate, the XML
// export): the program's folder where it can be written (a build tree), else SaveFolder(), as
// for an installed copy whose folder belongs to the system.  When that folder cannot be made,
// raises with the folder and the cause in the description.
std::string DocumentFolder();

// The folders where programs are installed, searched in this order when a program must be
// found by name: each folder of PATH, then /opt, /usr/local, /snap/bin and the flatpak
// exports.  $ZOMEL_FIXED_DRIVES (folders separated by ":") stands in for them in tests.
std::vector<std::string> FixedDrives();

// The entries of a search list separated by ":" (PATH, XDG_DATA_DIRS), empty ones dropped.
std::vector<std::string> SplitSearchList(const std::string& list);

// Joins a folder and a name with one "/".
std::string JoinPath(const std::string& folder, const std::string& name);

// The file:// address of a path (made absolute), every byte but letters, digits, "-._~" and
// "/" written as %XX, so that a "#" or a blank in a folder name stays part of the path.
std::string FileAddress(const std::string& path);

}  // namespace os
