"""The quit's contribution to the shared base done by a plain FTP client, for comparison.

Usage: plain_ftp_contribution.py HOST PORT USER PASSWORD LOCAL_FOLDER LIST MODE
LIST holds one remote path a line, "/livres/FOLDER/NAME": the records (.txt) and covers (.jpg)
to send, each from LOCAL_FOLDER/NAME, onto an account that has none of them yet (so no record
is fetched to raise its count). MODE:
  each    a connection per record, and two per cover (the existence test, then the upload);
  shared  one connection for the records and one for the covers, each folder looked at once.
Prints the milliseconds the transfers took.
"""
import ftplib
import os
import sys
import time


class Host:
    def __init__(self, host, port, user, password):
        self.address = (host, int(port))
        self.account = (user, password)
        self.ftp = None
        self.folders = set()

    def connect(self):
        self.close()
        self.ftp = ftplib.FTP()
        self.ftp.connect(*self.address)
        self.ftp.login(*self.account)

    def close(self):
        if self.ftp:
            self.ftp.quit()
        self.ftp = None
        self.folders.clear()

    def enter(self, folder):
        """Enters the folder, making each missing level."""
        if folder in self.folders:
            return
        try:
            self.ftp.cwd(folder)
        except ftplib.error_perm:
            prefix = ""
            for part in folder.strip("/").split("/"):
                prefix += "/" + part
                try:
                    self.ftp.cwd(prefix)
                except ftplib.error_perm:
                    self.ftp.mkd(prefix)
                    self.ftp.cwd(prefix)
        self.folders.add(folder)

    def exists(self, path):
        # Servers refuse SIZE in text mode.
        self.ftp.voidcmd("TYPE I")
        try:
            return self.ftp.size(path) is not None
        except ftplib.error_perm:
            return False

    def send(self, local, path):
        with open(local, "rb") as source:
            self.ftp.storbinary("STOR " + path, source)


def main():
    host, port, user, password, local_folder, listing, mode = sys.argv[1:8]
    with open(listing) as lines:
        paths = [line.strip() for line in lines if line.strip()]
    records = [p for p in paths if p.endswith(".txt")]
    covers = [p for p in paths if p.endswith(".jpg")]
    each = mode == "each"
    site = Host(host, port, user, password)
    start = time.perf_counter()
    for path in records:
        if each or not site.ftp:
            site.connect()
        site.enter(os.path.dirname(path) + "/")
        site.exists(path)
        site.send(os.path.join(local_folder, os.path.basename(path)), path)
        if each:
            site.close()
    site.close()
    for path in covers:
        if not site.ftp:
            site.connect()
        if site.exists(path):
            continue
        site.enter(os.path.dirname(path) + "/")
        if each:
            site.connect()
            if site.exists(path):
                site.close()
                continue
        site.send(os.path.join(local_folder, os.path.basename(path)), path)
        if each:
            site.close()
    site.close()
    print(round((time.perf_counter() - start) * 1000.0, 3), flush=True)


if __name__ == "__main__":
    main()
