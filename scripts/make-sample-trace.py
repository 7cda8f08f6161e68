#!/usr/bin/env python3
"""Writes the sample trace under examples/trace: a TD-SCDMA terminal that
camps on a cell, attaches, activates a PDP context, makes a voice call,
reselects to a neighbour cell and repeats, with the system information,
paging and measurement traffic around it. Deterministic: the same file on
every run."""
import json
import random
import sys
from pathlib import Path

OUT = Path(__file__).resolve().parent.parent / "examples" / "trace" / "sample-trace.jsonl"

rng = random.Random(20)
lines = []
clock_ms = 8 * 3600 * 1000 + 15 * 60 * 1000  # 08:15:00.000


def emit(direction, family, message, summary, step_ms=None, payload=True):
    global clock_ms
    clock_ms += step_ms if step_ms is not None else rng.randint(3, 40)
    ms = clock_ms % (24 * 3600 * 1000)
    entry = {
        "seq": len(lines) + 1,
        "time": "%02d:%02d:%02d.%03d" % (ms // 3600000, ms // 60000 % 60, ms // 1000 % 60, ms % 1000),
        "dir": direction,
        "family": family,
        "message": message,
        "summary": summary,
    }
    if payload:
        entry["bytes"] = "".join("%02X" % rng.randrange(256) for _ in range(rng.randint(4, 24)))
    lines.append(json.dumps(entry, separators=(",", ":")))


def system_information(cell, uarfcn, lac):
    emit("DL", "RRC BCCH-BCH", "MasterInformationBlock", "cell %d, PLMN 460-00, value tag %d" % (cell, rng.randint(1, 8)))
    emit("DL", "RRC BCCH-BCH", "SystemInformationBlockType1", "LAC %d, T3212 %d min, ATT allowed" % (lac, 60))
    emit("DL", "RRC BCCH-BCH", "SystemInformationBlockType3", "cell %d, Sintrasearch 6 dB, Qrxlevmin -103 dBm" % cell)
    emit("DL", "RRC BCCH-BCH", "SystemInformationBlockType5", "UARFCN %d, PCCPCH power 33 dBm" % uarfcn)
    emit("DL", "RRC BCCH-BCH", "SystemInformationBlockType11", "intra-frequency neighbours: %d cells" % rng.randint(3, 7))


def measurements(cell, count):
    for _ in range(count):
        emit("UL", "RRC UL-DCCH", "MeasurementReport",
             "event 1G, cell %d RSCP %d dBm, neighbour %d RSCP %d dBm"
             % (cell, rng.randint(-95, -60), cell + rng.randint(1, 9), rng.randint(-100, -70)),
             step_ms=rng.randint(150, 600))


def idle(cell, uarfcn, lac, rounds):
    for _ in range(rounds):
        system_information(cell, uarfcn, lac)
        for _ in range(rng.randint(2, 6)):
            emit("DL", "RRC PCCH", "PagingType1", "paging record: TMSI %08X, cause terminating background call"
                 % rng.randrange(1 << 32), step_ms=rng.randint(200, 900))


def rrc_connect(cause, cell):
    emit("UL", "RRC UL-CCCH", "RRCConnectionRequest", "establishment cause %s, initial UE identity TMSI-LAI" % cause)
    emit("DL", "RRC DL-CCCH", "RRCConnectionSetup", "cell %d, RRC transaction 0, state CELL_DCH, SRB 1-4" % cell)
    emit("UL", "RRC UL-DCCH", "RRCConnectionSetupComplete", "UE capability: TD-SCDMA 1.28 Mcps, HSDPA category 15")


def rrc_release():
    emit("DL", "RRC DL-DCCH", "RRCConnectionRelease", "release cause normal event, N308 2")
    emit("UL", "RRC UL-DCCH", "RRCConnectionReleaseComplete", "RRC transaction 1")


def nas_up(family, message, summary):
    emit("UL", "RRC UL-DCCH", "UplinkDirectTransfer", "CN domain %s, NAS %s" % ("PS" if family in ("GMM", "SM") else "CS", message))
    emit("UL", family, message, summary, payload=True)


def nas_down(family, message, summary):
    emit("DL", "RRC DL-DCCH", "DownlinkDirectTransfer", "CN domain %s, NAS %s" % ("PS" if family in ("GMM", "SM") else "CS", message))
    emit("DL", family, message, summary, payload=True)


def security():
    emit("DL", "RRC DL-DCCH", "SecurityModeCommand", "ciphering UEA1, integrity UIA1, activation time CFN %d" % rng.randint(0, 255))
    emit("UL", "RRC UL-DCCH", "SecurityModeComplete", "uplink integrity protection activated")


def attach(cell, lac, rac):
    rrc_connect("registration", cell)
    emit("UL", "RRC UL-DCCH", "InitialDirectTransfer", "CN domain PS, NAS ATTACH REQUEST")
    emit("UL", "GMM", "ATTACH REQUEST", "combined GPRS/IMSI attach, P-TMSI %08X, RAI 460-00-%d-%d" % (rng.randrange(1 << 32), lac, rac))
    nas_down("GMM", "AUTHENTICATION AND CIPHERING REQUEST", "RAND %016X, ciphering GEA/1" % rng.randrange(1 << 64))
    nas_up("GMM", "AUTHENTICATION AND CIPHERING RESPONSE", "SRES %08X" % rng.randrange(1 << 32))
    security()
    nas_down("GMM", "ATTACH ACCEPT", "attach result combined, periodic RA update timer 54 min, new P-TMSI %08X"
             % rng.randrange(1 << 32))
    nas_up("GMM", "ATTACH COMPLETE", "")
    nas_down("GMM", "GMM INFORMATION", "network name CMCC, local time zone +8")


def pdp_context(cell):
    nas_up("SM", "ACTIVATE PDP CONTEXT REQUEST", "NSAPI 5, APN cmnet, QoS interactive class 3")
    emit("DL", "RRC DL-DCCH", "RadioBearerSetup", "RB 5, RLC AM, 128 kbit/s downlink, cell %d" % cell)
    emit("UL", "RRC UL-DCCH", "RadioBearerSetupComplete", "RB 5 established")
    nas_down("SM", "ACTIVATE PDP CONTEXT ACCEPT", "PDP address 10.%d.%d.%d, negotiated QoS interactive"
             % (rng.randint(0, 255), rng.randint(0, 255), rng.randint(1, 254)))


def voice_call(cell):
    rrc_connect("originating conversational call", cell)
    emit("UL", "RRC UL-DCCH", "InitialDirectTransfer", "CN domain CS, NAS CM SERVICE REQUEST")
    emit("UL", "MM", "CM SERVICE REQUEST", "service type mobile originating call, TMSI %08X" % rng.randrange(1 << 32))
    nas_down("MM", "AUTHENTICATION REQUEST", "RAND %016X, CKSN 1" % rng.randrange(1 << 64))
    nas_up("MM", "AUTHENTICATION RESPONSE", "SRES %08X" % rng.randrange(1 << 32))
    security()
    nas_down("MM", "CM SERVICE ACCEPT", "")
    number = "1380013%04d" % rng.randint(0, 9999)
    nas_up("CC", "SETUP", "called party %s, bearer speech, AMR 12.2" % number)
    nas_down("CC", "CALL PROCEEDING", "transaction 0, repeat indicator none")
    emit("DL", "RRC DL-DCCH", "RadioBearerSetup", "RB 6-8, AMR 12.2 kbit/s, RLC TM, cell %d" % cell)
    emit("UL", "RRC UL-DCCH", "RadioBearerSetupComplete", "RB 6-8 established")
    nas_down("CC", "ALERTING", "progress indicator: in-band information available")
    nas_down("CC", "CONNECT", "connected number %s" % number, )
    nas_up("CC", "CONNECT ACKNOWLEDGE", "")
    measurements(cell, rng.randint(20, 60))
    nas_up("CC", "DISCONNECT", "cause 16 normal call clearing")
    nas_down("CC", "RELEASE", "cause 16 normal call clearing")
    nas_up("CC", "RELEASE COMPLETE", "")
    rrc_release()


def location_update(cell, lac):
    rrc_connect("registration", cell)
    emit("UL", "RRC UL-DCCH", "InitialDirectTransfer", "CN domain CS, NAS LOCATION UPDATING REQUEST")
    emit("UL", "MM", "LOCATION UPDATING REQUEST", "type normal updating, old LAI 460-00-%d" % (lac - 1))
    nas_down("MM", "LOCATION UPDATING ACCEPT", "LAI 460-00-%d, new TMSI %08X" % (lac, rng.randrange(1 << 32)))
    nas_up("MM", "TMSI REALLOCATION COMPLETE", "")
    rrc_release()


def reselection(old_cell, new_cell, uarfcn, lac, rac):
    emit("UL", "RRC UL-CCCH", "CellUpdate", "cell reselection from cell %d to cell %d, cause cell reselection"
         % (old_cell, new_cell), payload=False)
    system_information(new_cell, uarfcn, lac)
    emit("DL", "RRC DL-CCCH", "CellUpdateConfirm", "cell %d, new U-RNTI %08X" % (new_cell, rng.randrange(1 << 32)))
    nas_up("GMM", "ROUTING AREA UPDATE REQUEST", "type RA updating, old RAI 460-00-%d-%d" % (lac, rac - 1))
    nas_down("GMM", "ROUTING AREA UPDATE ACCEPT", "RAI 460-00-%d-%d, periodic timer 54 min" % (lac, rac))
    nas_up("GMM", "ROUTING AREA UPDATE COMPLETE", "")


cell, uarfcn, lac, rac = 17, 10055, 4301, 1
idle(cell, uarfcn, lac, 3)
attach(cell, lac, rac)
for round_number in range(20):
    pdp_context(cell)
    measurements(cell, rng.randint(10, 30))
    idle(cell, uarfcn, lac, 2)
    voice_call(cell)
    idle(cell, uarfcn, lac, 2)
    new_cell = 17 + (round_number + 1) % 5 * 8
    rac += 1
    reselection(cell, new_cell, 10055 + (round_number % 3) * 8, lac, rac)
    cell = new_cell
    if round_number % 4 == 3:
        lac += 1
        location_update(cell, lac)

OUT.parent.mkdir(parents=True, exist_ok=True)
OUT.write_text("\n".join(lines) + "\n")
print("%s: %d lines" % (OUT, len(lines)), file=sys.stderr)
