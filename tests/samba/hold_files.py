#!/usr/bin/python3
"""A real SMB client: one session of USER on SERVER's SHARE that holds the
named files open (created when missing) until it is ended by a signal.
Prints "ready" once every file is open. With --reconnect before the
arguments it checks its session twice a second and, when the server has
ended it, connects and opens the files again, saying "ready" each time.
Usage: hold_files.py [--reconnect] SMB_CONF SERVER SHARE USER PASSWORD FILE..."""
import signal
import sys
import time

from samba import credentials, param
from samba.samba3 import libsmb_samba_internal as libsmb
from samba.samba3 import param as s3param

FILE_GENERIC_READ_WRITE = 0x0012019F
SHARE_ALL = 7
FILE_OPEN_IF = 3


def connect(conf, server, share, user, password, names):
    lp = param.LoadParm()
    lp.load(conf)
    creds = credentials.Credentials()
    creds.guess(lp)
    creds.set_username(user)
    creds.set_password(password)
    # The SMB bindings want the file server's kind of configuration.
    s3_lp = s3param.get_context()
    s3_lp.load(conf)
    conn = libsmb.Conn(server, share, lp=s3_lp, creds=creds)
    for name in names:
        conn.create(name, DesiredAccess=FILE_GENERIC_READ_WRITE,
                    ShareAccess=SHARE_ALL, CreateDisposition=FILE_OPEN_IF)
    print("ready", flush=True)
    return conn


def main():
    args = sys.argv[1:]
    reconnect = args[:1] == ["--reconnect"]
    if reconnect:
        args = args[1:]
    conn = connect(*args[:5], args[5:])
    if not reconnect:
        signal.pause()
    while True:
        time.sleep(0.5)
        try:
            conn.echo()
        except Exception:  # the server ended the session
            try:
                conn = connect(*args[:5], args[5:])
            except Exception:  # ended again before its files were open
                pass


if __name__ == "__main__":
    main()
