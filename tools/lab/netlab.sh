#!/usr/bin/env bash
# Namespace lab: an app namespace with one veth link per simulated camera network, a
# varnix-camsim behind each link, and COMMAND run inside the app namespace. Nothing is ever
# configured in the root namespace, and everything is removed on exit, even on failure.
#
#   netlab.sh --camsim PATH [--logdir DIR] --link NAME:MTU:APP_CIDR:CAMS_JSON [--link ...]
#             [--route CAM_IP:NAME] [--extra-ip NAME:CIDR] [--app-ip NAME:CIDR[:SUFFIX]]
#             [--mac NAME:MAC] [--loss PERCENT] [--tun-link NAME:MTU:APP_CIDR:CAMS_JSON]
#             [--unrouted NAME] [--bridge NAME:MTU] [--router NAME:GATEWAY_CIDR:FAR_CIDR:CAMS_JSON]
#             [--hold] -- COMMAND [ARGS...]
#
#   --camsim PATH   the varnix-camsim binary
#   --logdir DIR    each simulator logs received datagrams to DIR/NAME.camlog.jsonl (its stderr
#                   goes to DIR/NAME.camsim.err); without it, simulator stderr goes to ours
#   --link NAME:MTU:APP_CIDR:CAMS_JSON
#                   a veth pair between the app namespace and a new camera namespace. The app end
#                   is called NAME (e.g. lab0) and gets MTU and APP_CIDR (with broadcast address).
#                   The camera end ("cam<i>") gets the same MTU and every camera address of
#                   CAMS_JSON (the simulator's config) with the camera's mask, a route back to the
#                   app subnet and the app subnet's broadcast address, so cameras outside the app
#                   subnet still hear its directed broadcasts. Cameras outside APP_CIDR get a /32
#                   route via NAME in the app namespace.
#   --tun-link NAME:MTU:APP_CIDR:CAMS_JSON
#                   like --link, but a tun device at each end (no hardware address, point to point),
#                   joined by tools/lab/tunpair.py
#   --route CAM_IP:NAME      extra /32 route to CAM_IP via NAME in the app namespace
#   --take-addresses NAME    the simulator of link NAME puts a camera's new address on its link itself
#                            (and takes the old one off), so any address can be given
#   --extra-ip NAME:CIDR     extra address on the camera end of link NAME (a camera moved there by
#                            a set-address command answers from it)
#   --unrouted NAME          no /32 routes for the cameras outside the app subnet of link NAME, as
#                            on a workstation nobody prepared for them
#   --bridge NAME:MTU        link NAME passes through a bridge in a namespace of its own (vxb<PID>-<i>),
#                            as through a switch: its port towards the camera has MTU, the port towards
#                            the app and both ends keep the link's MTU
#   --router NAME:GATEWAY_CIDR:FAR_CIDR:CAMS_JSON
#                            a router (namespace vxr<PID>-<i>) on the segment of link NAME, whose
#                            address there is GATEWAY_CIDR, and behind it a camera subnet of its own
#                            (namespace vxf<PID>-<i>, device "far") where the router has FAR_CIDR and
#                            the cameras of CAMS_JSON answer, their simulator called NAMEfar (its log
#                            NAMEfar.camlog.jsonl). The segment becomes a bridge (as --bridge with the
#                            link's MTU, unless --bridge gives one). The app namespace routes FAR_CIDR's
#                            network (and far cameras outside it) via the router, which forwards in its
#                            own namespace only; the cameras' default route leads back through it.
#                            Broadcasts stay on their segment, as routers keep them.
#   --app-ip NAME:CIDR[:SUFFIX]  further address on the app end of link NAME; with SUFFIX it is
#                            labelled NAME:SUFFIX (ip addr add ... label lab0:7)
#   --mac NAME:MAC           hardware address of the app end of link NAME (two links may share one)
#   --loss PERCENT           every lab namespace drops this share of the UDP datagrams it receives,
#                            at random (dropping on output would make the sender's send fail instead)
#   --hold          after COMMAND (or at once when there is none), keep the lab until killed
#
# COMMAND runs via `ip netns exec <appns>` with VARNIX_LAB_APPNS (the app namespace's name) and
# VARNIX_LAB_CAMNS ("NAME=namespace ..." for the camera namespaces) in its environment; the script
# exits with COMMAND's exit code. Exit 77 when not root or namespaces are unavailable; exit 2 when
# the lab cannot be built. Namespace names carry the PID: vxa<PID> (app), vxc<PID>-<i> (cameras).
set -u

die() {
    echo "netlab: $*" >&2
    exit 2
}
skip() {
    echo "netlab: SKIP: $*" >&2
    exit 77
}

camsim=
logdir=
hold=0
links=()
routes=()
extras=()
declare -A unrouted takers
appips=()
loss=0
declare -A mac_of tun_of bridge_of router_of brns_of index_of mtu_of
while (($#)); do
    case $1 in
    --camsim) camsim=${2:?--camsim needs a path}; shift 2 ;;
    --logdir) logdir=${2:?--logdir needs a directory}; shift 2 ;;
    --link) links+=("${2:?--link needs NAME:MTU:APP_CIDR:CAMS_JSON}"); shift 2 ;;
    --tun-link) links+=("${2:?--tun-link needs NAME:MTU:APP_CIDR:CAMS_JSON}"); tun_of[${2%%:*}]=1; shift 2 ;;
    --route) routes+=("${2:?--route needs CAM_IP:NAME}"); shift 2 ;;
    --take-addresses) takers[${2:?--take-addresses needs NAME}]=1; shift 2 ;;
    --extra-ip) extras+=("${2:?--extra-ip needs NAME:CIDR}"); shift 2 ;;
    --unrouted) unrouted[${2:?--unrouted needs NAME}]=1; shift 2 ;;
    --app-ip) appips+=("${2:?--app-ip needs NAME:CIDR[:SUFFIX]}"); shift 2 ;;
    --mac) mac_of[${2%%:*}]=${2#*:}; shift 2 ;;
    --bridge) bridge_of[${2%%:*}]=${2#*:}; shift 2 ;;
    --router) router_of[${2%%:*}]=${2#*:}; shift 2 ;;
    --loss) loss=${2:?--loss needs a percentage}; shift 2 ;;
    --hold) hold=1; shift ;;
    --) shift; break ;;
    *) die "unknown argument '$1' (see the header of $0)" ;;
    esac
done
(($# > 0 || hold)) || die "no COMMAND given"
((${#links[@]} > 0)) || die "at least one --link is needed"
[[ -x $camsim ]] || die "--camsim '$camsim' is not an executable"
command -v python3 >/dev/null || die "python3 is needed"

[[ $(id -u) == 0 ]] || skip "needs root for network namespaces"
if ! command -v ip >/dev/null || ! ip netns list >/dev/null 2>&1; then
    skip "'ip netns' is not available"
fi
[[ -n $logdir ]] && { mkdir -p "$logdir" || die "cannot create $logdir"; }

appns=vxa$$
namespaces=()
pids=()
cmdpid=

# shellcheck disable=SC2317 # runs from the EXIT trap
cleanup() {
    # A second Ctrl-C or TERM (to the whole process group) must not cut the cleanup short.
    trap '' INT TERM
    [[ -n $cmdpid ]] && kill "$cmdpid" 2>/dev/null
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null
    done
    for pid in "${pids[@]}" $cmdpid; do
        wait "$pid" 2>/dev/null
    done
    # Anything still living in the lab (children COMMAND left behind) goes with it.
    local left
    for ns in "${namespaces[@]}"; do
        for pid in $(ip netns pids "$ns" 2>/dev/null); do
            kill "$pid" 2>/dev/null
            left=1
        done
    done
    [[ -n ${left:-} ]] && sleep 0.2
    for ns in "${namespaces[@]}"; do
        for pid in $(ip netns pids "$ns" 2>/dev/null); do
            kill -KILL "$pid" 2>/dev/null
        done
        ip netns del "$ns" 2>/dev/null
    done
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

in_ns() { ip netns exec "$1" "${@:2}"; }

# Addresses of a camera list relative to the app subnet, one fact per line:
#   net <app network/prefix>   brd <app broadcast>   addr <camera ip/prefix>   outside <camera ip>
lab_plan() {
    python3 - "$1" "$2" <<'EOF'
import ipaddress, json, sys
app = ipaddress.ip_interface(sys.argv[1])
with open(sys.argv[2]) as f:
    doc = json.load(f)
cams = doc if isinstance(doc, list) else doc.get("cameras", [])
print("net", app.network.with_prefixlen)
print("brd", app.network.broadcast_address)
seen = set()
for cam in cams:
    ip = ipaddress.ip_interface("%s/%s" % (cam["ip"], cam.get("mask", "255.255.255.0")))
    if ip.ip in seen:
        continue
    seen.add(ip.ip)
    print("addr", ip.with_prefixlen)
    if ip.ip not in app.network:
        print("outside", ip.ip)
EOF
}

no_rp_filter() {
    local ns=$1
    shift
    for dev in all default "$@"; do
        in_ns "$ns" sysctl -qw "net.ipv4.conf.$dev.rp_filter=0" || die "sysctl rp_filter in $ns"
    done
}

if ! [[ $loss =~ ^[0-9]+$ ]] || ((loss > 100)); then die "--loss wants a percentage, not '$loss'"; fi
# Random loss of received UDP datagrams, inside the namespace only.
lossy() {
    ((loss > 0)) || return 0
    in_ns "$1" nft -f - <<EOF || die "nftables loss rule in $1"
table inet vxloss {
    chain input {
        type filter hook input priority 0; policy accept;
        meta l4proto udp numgen random mod 100 < $loss drop
    }
}
EOF
}

ip netns add "$appns" 2>/dev/null || skip "cannot create network namespaces"
namespaces+=("$appns")
ip -n "$appns" link set lo up || die "loopback in $appns"
lossy "$appns"

declare -A camns_of camdev_of
camns_list=
i=0
for item in "${links[@]}"; do
    IFS=: read -r name mtu cidr json <<<"$item"
    [[ -n $name && -n $mtu && -n $cidr && -r $json ]] || die "bad --link '$item'"
    ((${#name} <= 15)) || die "interface name '$name' is longer than 15 characters"
    plan=$(lab_plan "$cidr" "$json") || die "cannot read cameras from $json"
    camns=vxc$$-$i
    camdev=cam$i
    ip netns add "$camns" || die "cannot create $camns"
    namespaces+=("$camns")
    camns_of[$name]=$camns
    camdev_of[$name]=$camdev
    camns_list+="$name=$camns "
    index_of[$name]=$i
    mtu_of[$name]=$mtu
    if [[ -n ${router_of[$name]:-} ]]; then
        [[ -z ${tun_of[$name]:-} ]] || die "--router: link $name is a tun link, which has no segment to share"
        [[ -n ${bridge_of[$name]:-} ]] || bridge_of[$name]=$mtu
    fi
    ip -n "$camns" link set lo up || die "loopback in $camns"
    lossy "$camns"

    if [[ -n ${tun_of[$name]:-} ]]; then
        # Each tun device is made inside its namespace by the process that carries the packets.
        ready=$(mktemp) || die "mktemp"
        python3 "$(dirname "$0")/tunpair.py" "$appns" "$name" "$camns" "$camdev" >"$ready" &
        pids+=("$!")
        for _ in $(seq 50); do
            grep -q ready "$ready" && break
            kill -0 "$!" 2>/dev/null || break
            sleep 0.1
        done
        grep -q ready "$ready" || { rm -f "$ready"; die "tun link $name"; }
        rm -f "$ready"
    elif [[ -n ${bridge_of[$name]:-} ]]; then
        brns=vxb$$-$i
        ip netns add "$brns" || die "cannot create $brns"
        namespaces+=("$brns")
        brns_of[$name]=$brns
        ip -n "$appns" link add "$name" type veth peer name toapp netns "$brns" || die "veth $name"
        ip -n "$brns" link add tocam type veth peer name "$camdev" netns "$camns" || die "veth $camdev"
        ip -n "$brns" link add name vxbr type bridge || die "bridge for $name"
        ip -n "$brns" link set toapp mtu "$mtu" master vxbr up || die "bridge port toapp"
        ip -n "$brns" link set tocam mtu "${bridge_of[$name]}" master vxbr up || die "bridge port tocam"
        ip -n "$brns" link set vxbr up || die "bridge up"
    else
        # Both ends are created inside their namespaces: the root namespace never sees them.
        ip -n "$appns" link add "$name" type veth peer name "$camdev" netns "$camns" || die "veth $name"
    fi
    ip -n "$appns" link set "$name" mtu "$mtu" || die "mtu $mtu on $name"
    ip -n "$camns" link set "$camdev" mtu "$mtu" || die "mtu $mtu on $camdev"
    if [[ -n ${mac_of[$name]:-} ]]; then
        ip -n "$appns" link set "$name" address "${mac_of[$name]}" || die "address ${mac_of[$name]} on $name"
    fi
    ip -n "$appns" addr add "$cidr" brd + dev "$name" || die "address $cidr on $name"
    no_rp_filter "$appns" "$name"
    no_rp_filter "$camns" "$camdev"

    appnet=''
    appbrd=''
    outside=()
    while read -r kind value; do
        case $kind in
        net) appnet=$value ;;
        brd) appbrd=$value ;;
        addr) ip -n "$camns" addr add "$value" brd + dev "$camdev" || die "address $value on $camdev" ;;
        outside) outside+=("$value") ;;
        esac
    done <<<"$plan"
    ip -n "$appns" link set "$name" up || die "link $name up"
    ip -n "$camns" link set "$camdev" up || die "link $camdev up"
    for camip in "${outside[@]}"; do
        [[ -n ${unrouted[$name]:-} ]] && break
        ip -n "$appns" route add "$camip/32" dev "$name" || die "route to $camip via $name"
    done
    # Already present when a camera shares the app subnet; needed when none does.
    ip -n "$camns" route add "$appnet" dev "$camdev" 2>/dev/null
    ip -n "$camns" route add broadcast "$appbrd" dev "$camdev" table local 2>/dev/null
    i=$((i + 1))
done

for item in "${extras[@]}"; do
    IFS=: read -r name cidr <<<"$item"
    [[ -n ${camns_of[$name]:-} ]] || die "--extra-ip: no link called '$name'"
    ip -n "${camns_of[$name]}" addr add "$cidr" brd + dev "${camdev_of[$name]}" || die "address $cidr on $name"
done
for item in "${appips[@]}"; do
    IFS=: read -r name cidr suffix <<<"$item"
    [[ -n ${camns_of[$name]:-} ]] || die "--app-ip: no link called '$name'"
    ip -n "$appns" addr add "$cidr" brd + dev "$name" ${suffix:+label "$name:$suffix"} || die "address $cidr on $name"
done
for item in "${routes[@]}"; do
    IFS=: read -r camip name <<<"$item"
    [[ -n ${camns_of[$name]:-} ]] || die "--route: no link called '$name'"
    ip -n "$appns" route add "$camip/32" dev "$name" || die "route to $camip via $name"
done

for name in "${!router_of[@]}"; do
    IFS=: read -r gwcidr farcidr json <<<"${router_of[$name]}"
    [[ -n ${brns_of[$name]:-} ]] || die "--router: no link called '$name'"
    [[ -n $gwcidr && -n $farcidr && -r $json ]] || die "bad --router '$name:${router_of[$name]}'"
    plan=$(lab_plan "$farcidr" "$json") || die "cannot read cameras from $json"
    rtns=vxr$$-${index_of[$name]}
    farns=vxf$$-${index_of[$name]}
    for ns in "$rtns" "$farns"; do
        ip netns add "$ns" || die "cannot create $ns"
        namespaces+=("$ns")
        ip -n "$ns" link set lo up || die "loopback in $ns"
    done
    lossy "$farns"
    ip -n "${brns_of[$name]}" link add torouter type veth peer name lan netns "$rtns" || die "veth to the router"
    ip -n "${brns_of[$name]}" link set torouter mtu "${mtu_of[$name]}" master vxbr up || die "bridge port torouter"
    ip -n "$rtns" link set lan mtu "${mtu_of[$name]}" || die "mtu of the router"
    ip -n "$rtns" link add far type veth peer name far netns "$farns" || die "veth behind the router"
    ip -n "$rtns" addr add "$gwcidr" brd + dev lan || die "address $gwcidr on the router"
    ip -n "$rtns" addr add "$farcidr" brd + dev far || die "address $farcidr on the router"
    in_ns "$rtns" sysctl -qw net.ipv4.ip_forward=1 || die "forwarding in $rtns"
    no_rp_filter "$rtns" lan far
    no_rp_filter "$farns" far
    ip -n "$rtns" link set lan up && ip -n "$rtns" link set far up && ip -n "$farns" link set far up ||
        die "router links up"
    gateway=${gwcidr%/*}
    while read -r kind value; do
        case $kind in
        net) ip -n "$appns" route add "$value" via "$gateway" dev "$name" || die "route to $value via the router" ;;
        addr) ip -n "$farns" addr add "$value" brd + dev far || die "address $value behind the router" ;;
        outside) ip -n "$appns" route add "$value/32" via "$gateway" dev "$name" || die "route to $value" ;;
        esac
    done <<<"$plan"
    ip -n "$farns" route add default via "${farcidr%/*}" dev far || die "default route behind the router"
    camns_list+="${name}far=$farns "
done

# Let the links finish coming up (carrier on both ends) before the simulators bind.
for _ in $(seq 50); do
    down=$(ip -n "$appns" -o link show up | grep -c 'NO-CARRIER')
    ((down == 0)) && break
    sleep 0.1
done

# start_sim TAG NAMESPACE JSON [ADDRESS_DEVICE]: a simulator, once it listens on every port.
start_sim() {
    local tag=$1 ns=$2 pid ready=0
    local args=(--config "$3")
    [[ -n ${4:-} ]] && args+=(--address-device "$4")
    if [[ -n $logdir ]]; then
        args+=(--log "$logdir/$tag.camlog.jsonl")
        ip netns exec "$ns" "$camsim" "${args[@]}" </dev/null >&2 2>"$logdir/$tag.camsim.err" &
    else
        ip netns exec "$ns" "$camsim" "${args[@]}" </dev/null >&2 &
    fi
    # `ip netns exec` execs the simulator, so this is the simulator's own PID.
    pid=$!
    pids+=("$pid")
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || die "varnix-camsim for $tag exited early"
        if in_ns "$ns" ss -Hlun 2>/dev/null | grep -q ':45611 '; then
            ready=1
            break
        fi
        sleep 0.1
    done
    ((ready)) || die "varnix-camsim for $tag is not listening"
}
for item in "${links[@]}"; do
    IFS=: read -r name _ _ json <<<"$item"
    start_sim "$name" "${camns_of[$name]}" "$json" ${takers[$name]:+"${camdev_of[$name]}"}
done
for name in "${!router_of[@]}"; do
    start_sim "${name}far" "vxf$$-${index_of[$name]}" "${router_of[$name]#*:*:}"
done

export VARNIX_LAB_APPNS=$appns
export VARNIX_LAB_CAMNS=${camns_list% }
rc=0
if (($# > 0)); then
    # In the background so that INT/TERM clean up at once instead of after COMMAND.
    ip netns exec "$appns" "$@" <&0 &
    cmdpid=$!
    wait "$cmdpid"
    rc=$?
    cmdpid=
fi
if ((hold)); then
    echo "netlab: lab up in namespace $appns ($VARNIX_LAB_CAMNS); stop with Ctrl-C or SIGTERM" >&2
    sleep infinity &
    pids+=("$!")
    wait "$!"
fi
exit "$rc"
