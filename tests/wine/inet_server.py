#!/usr/bin/env python3
"""A local service for the online services' window test.

inet_server.py FOLDER SECONDS: serves HTTP on 127.0.0.1 at a free port, writes the port to
FOLDER/port, appends every request's path to FOLDER/requests and answers with the reply named in
FOLDER/mode (read on every request). Ends by itself after SECONDS.
"""
import http.server
import os
import sys
import threading

FOLDER = sys.argv[1]
SECONDS = float(sys.argv[2])

INFO = (b"ZTVINET/1 info\nstatus ok\n"
        b"item|7|2026-12-01|news|https://z.example/news/7|Clarivue 2.11 is out\n"
        b"item|8|2026-12-02|tips|https://z.example/tips/8|Capture a whole web page at once\n"
        b"item|9|2026-12-03|offers|https://z.example/offers/9|Not one of the user's channels\n")
REPLIES = {
    "info": (200, INFO),
    "error": (500, b"ZTVINET/1 info\nstatus ok\nitem|20|2026-12-05|news|https://z.example/|x\n"),
    "update": (200, b"ZTVINET/1 update\nstatus ok\nlatest|2.11|https://z.example/get/2.11\n"),
}


class Handler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        with open(os.path.join(FOLDER, "requests"), "a") as log:
            log.write(self.path + "\n")
        try:
            with open(os.path.join(FOLDER, "mode")) as f:
                mode = f.read().strip()
        except OSError:
            mode = "info"
        status, body = REPLIES.get(mode, REPLIES["info"])
        self.send_response(status)
        self.send_header("Content-Type", "text/plain; charset=utf-8")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *args):
        pass


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
with open(os.path.join(FOLDER, "port.tmp"), "w") as f:
    f.write(str(server.server_address[1]))
os.replace(os.path.join(FOLDER, "port.tmp"), os.path.join(FOLDER, "port"))
threading.Timer(SECONDS, server.shutdown).start()
server.serve_forever()
