#!/usr/bin/env bash
# A scripted tour of the orbel CLI: what it offers, building enquiries from a
# script and from pre-set values, locking a cell, configuring layer-1 reports,
# choosing the other radio parameters and AMR save options, composing a SIM
# command, and decoding what was built.
set -euo pipefail
cd "$(dirname "$0")/.."
orbel=${1:-build/default/apps/orbel/orbel}

step() { printf '\n\033[1m$ %s\033[0m\n' "$*"; "$@"; }

step "$orbel" exports
step "$orbel" describe OrbelGetTmrEnqueryBuffer --script examples/scripts/timer-enquiry-rlc-poll.json
step "$orbel" run OrbelGetTmrEnqueryBuffer --script examples/scripts/timer-enquiry-rlc-poll.json --json
step "$orbel" run OrbelGetCountEnqueryBuffer --script examples/scripts/counter-enquiry-pdh.json
step "$orbel" run OrbelGetTmrEnqueryBuffer --len 0x02FF0003
step "$orbel" run PhyFaComSet --script examples/scripts/port-setting-unticked.json
step "$orbel" run GetPhyFaFilterDefault
step "$orbel" decode --hex "1C 00 FF 00 01 01 CA 32 00 00 0E 2F 00 00 00 00 00 00 04 00 00 21 00 05 00 00 00 00"
step "$orbel" run OrbelGetLockCellBuffer --arg b3=true --script examples/scripts/lock-cell-td.json
step "$orbel" run GetL1infoReportCfg --script examples/scripts/l1-report-byte-list.json --json
step "$orbel" run OrbelGetSimCmdBuffer --script examples/scripts/sim-update-binary.json
step "$orbel" run GetFilterMsgMini --arg filterType=0 --arg interactive=false --json
step "$orbel" run GetFilterMsgMini --script examples/scripts/compact-filter-save.json
step "$orbel" decode /tmp/orbel-tour-option1.flt_HLS
step "$orbel" run GetOtherParamCfg --arg showDialog=0 --features 143
step "$orbel" run GetOtherParamCfg --arg showDialog=1 --features 122,143,145 --script examples/scripts/other-params-two-rows.json
step "$orbel" run GetAmrVpCfg --script examples/scripts/amr-vp-range.json
